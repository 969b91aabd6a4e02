#pragma once
// The frameless start-up picture. It deletes itself two seconds after it is
// made, whether or not it was ever shown.

#include <QWidget>

namespace Ui {
class LogoWindow;
}

class LogoWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kLifetimeMs = 2000;

    explicit LogoWindow(QWidget *parent = nullptr);
    ~LogoWindow() override;

private:
    Ui::LogoWindow *ui;
};
