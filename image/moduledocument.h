#pragma once
// A whole module's image as the window edits it: every region it holds, one
// of them chosen for the hex grid. The image is the one store of the bytes:
// the grid's model shows the chosen region and every edit made there is
// written back into the image at once.

#include "decoder.h"
#include "moduleimage.h"
#include "tableviewmodel.h"

#include <QObject>

class ModuleDocument : public QObject
{
    Q_OBJECT

public:
    explicit ModuleDocument(QObject *parent = nullptr);

    const sff::ModuleImage &image() const { return image_; }
    // The image as it was read or opened, before the check codes were put right.
    const sff::ModuleImage &loaded() const { return loaded_; }
    // A new image; the chosen region stays when the image holds it.
    void setImage(const sff::ModuleImage &image);
    void restore(const sff::ModuleImage &image, const sff::ModuleImage &loaded);
    void clear() { setImage(sff::ModuleImage()); }

    const sff::Region &chosen() const { return grid_.region(); }
    void choose(const sff::Region &region);
    // The chosen region's bytes, for the grid and the field editors.
    TableViewModel *grid() { return &grid_; }

    // Adds or replaces a region and chooses it.
    void putRegion(const sff::Region &region, const QByteArray &bytes);
    // Writes edits into the regions the image holds.
    void applyEdits(const QVector<sff::ByteEdit> &edits);

signals:
    // Any byte, or the regions held.
    void changed();
    void regionsChanged();
    void chosenChanged();

private:
    void showChosen();
    void takeGridEdit();

    sff::ModuleImage image_;
    sff::ModuleImage loaded_;
    TableViewModel grid_;
    bool showing_ = false;
};
