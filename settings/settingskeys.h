#pragma once
// Keys and defaults of the settings dialog's values in the settings store.

#include <QString>

inline constexpr char kCustomPasswordKey[] = "gui/custom_password";
inline constexpr char kConnectionKey[] = "gui/connection";
// The chosen programmer's identity (an FTDI chip's serial number, "i2c-7",
// "CH341A@1-1.4"); settings written before it only
// hold the position in the list.
inline constexpr char kConnectionSerialKey[] = "gui/connection_serial";
inline constexpr char kLanguageKey[] = "gui/language";
inline constexpr char kVerifyKey[] = "gui/verify";
// 0 Fast, 1 Compatible: the worker's transfer modes.
inline constexpr char kTransferKey[] = "gui/transfer";

// The main window as the operator left it, and the files last opened or saved.
inline constexpr char kWindowGeometryKey[] = "gui/window_geometry";
inline constexpr char kWindowSplitterKey[] = "gui/window_splitter";
inline constexpr char kWindowPagesTabKey[] = "gui/window_pages_tab";
inline constexpr char kWindowBufferTabKey[] = "gui/window_buffer_tab";
inline constexpr char kRecentFilesKey[] = "gui/recent_files";

inline constexpr char kDefaultCustomPassword[] = "A7 3E 19 C4";
inline constexpr int kDefaultConnection = 0;
inline constexpr int kDefaultLanguage = 0;
inline constexpr bool kDefaultVerify = true;
inline constexpr int kDefaultTransfer = 0;

// The stored programmer position; a negative one means the first entry.
int storedConnectionPosition();
// The stored programmer identity; empty for settings that have none.
QString storedConnectionSerial();
