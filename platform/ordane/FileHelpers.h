// File helpers of the framework: show a file's folder, read a text file or resource.
#pragma once

class QByteArray;
class QString;

// Flag of loadFileToQString: the path names a compiled-in resource (":/...").
constexpr int kLoadFromResource = 64;

// Opens the folder (or the folder that holds the file) in the desktop's file manager; false
// when the folder does not exist or nothing could open it.
bool showInFolder(const QString &path);

// Reads a UTF-8 text file into out. With kLoadFromResource the path must be a resource path;
// without it, a regular file on disk. False (out emptied) when it cannot be read or is larger
// than kMaxTextFileBytes.
bool loadFileToQString(const QString &path, QString &out, int flags = 0);
// The same for bytes kept as they are (a file in another encoding than UTF-8).
bool loadFileToString(const QString &path, QByteArray &out, int flags = 0);
constexpr long long kMaxTextFileBytes = 16LL * 1024 * 1024;
