// Private file modes: what the program writes is readable by its user alone.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// Returns, the database, logs, downloads and printed forms hold a person's S.I.N., income and
// passwords: on a shared machine no other user may read them, whatever the umask says.
constexpr unsigned kPrivateFileMode = 0600;
constexpr unsigned kPrivateFolderMode = 0700;

// From now on files and folders are made for the user alone (umask 077); this also covers
// what other code writes for the program (SQLite's journals, the print engine's PDFs).
void usePrivateFileModes();

// Sets the open file's mode to 0600, also when it replaced a file of a wider mode. A file
// system without modes (a FAT memory stick) cannot narrow it: that is no failure to write.
void makeDescriptorPrivate(int descriptor);
// Sets the file at path to 0600; false when it cannot. A symbolic link is left alone.
bool makeFilePrivate(const QString &path);

// Makes an empty private file at path when nothing is there, or narrows the regular file
// that is there to 0600: for files that other code then opens (the SQLite database).
void prepareFilePrivate(const QString &path);

// fopen in the mode given ("at", "wt"...), the file then made private; null on failure.
FILE *openPrivateStream(const QByteArray &path, const char *mode);

// Makes the folder, and each missing folder above it, with mode 0700; true when the folder
// exists afterwards. A folder that already exists keeps its mode.
bool makePrivateFolder(const QString &path);

// Takes the group and other permissions off the folder and everything inside it (files and
// folders owned by the user; symbolic links are neither followed nor changed).
void narrowToOwner(const QString &folder);
