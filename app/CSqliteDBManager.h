// CSqliteDBManager: the program's SQLite file, its six tables, recent-file and settings rows.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>

#include "ordane/CString.h"
#include "ordane/ResultNumber.h"

class ReturnFileEntriesModel;

// What opening the database file gave.
enum class DatabaseResult : int
{
    Open = 0,
    // The file could not be opened, asked (locked, damaged, not a database) or given its tables;
    // nothing was dropped.
    CannotOpen = 103,
    Exception = 99,
};

// What a statement on the recent-file or settings rows did. The readers of an id or a count
// give the exception's number in its place.
enum class RowChange : int
{
    Done = 0,
    Deleted = 1,      // deleteRetFileById
    Failed = -1,      // setConfig's statement failed; deleteRetFileByPath's threw
    Exception = -100, // the statement threw
};

class CSqliteDBManager
{
public:
    CSqliteDBManager();
    virtual ~CSqliteDBManager();
    CSqliteDBManager(const CSqliteDBManager &) = delete;
    CSqliteDBManager &operator=(const CSqliteDBManager &) = delete;

    static void dbFileName(CString &name);
    // path holds the folder on entry and the file's full native path on return.
    // Open with its six tables, or why not.
    DatabaseResult open(CString &path, bool *created = nullptr);
    bool isOpened() const { return m_opened; }
    // How long a statement waits for another connection's lock before it fails; for the next
    // open.
    void setBusyTimeout(int milliseconds) { m_busyTimeoutMs = milliseconds; }

    // Missing: not in sqlite_master; Unknown: sqlite_master could not be read (busy, locked,
    // I/O, not a database).
    enum class TableState
    {
        Present,
        Missing,
        Unknown
    };
    static TableState tableState(const char *table);
    static bool tableExists(const char *table);
    int close();

    // Recent return files (tb_retfile).
    static int insertRetFile(const QByteArray &name1, const QByteArray &name2,
                             const QByteArray &path);
    static RowChange deleteRetFileByPath(const QByteArray &path);
    static RowChange deleteRetFileById(int id);
    static int purgeMissingRetFiles();
    static int findRetFileByPath(const CString &path);
    static int saveRetFile(const CString &name1, const CString &name2, const CString &path);
    // Refills the model, newest open time first; an empty filter lists every row. Returns the
    // rows appended, the number of RowChange::Exception on an exception.
    static int loadRetFiles(ReturnFileEntriesModel *model, const CString &filter);

    // Settings rows (tb_config) on the default connection; the newest row of a name counts.
    static int getConfig(const char *key, CString &value, int native = 0);
    static RowChange setConfig(const char *key, const CString &value, int native = 0);
    static int getConfigInt(const char *key, int &value);
    static int getConfigBool(const char *key, bool &value);
    static RowChange setConfigInt(const char *key, int value);
    static RowChange setConfigBool(const char *key, bool value);

private:
    // Creates or recreates tables by the schema rules; configCreated tells whether tb_config was
    // just made. False, with nothing changed, when a table's state could not be read, a
    // missing tb_config could not be made or the changes could not be committed.
    bool createTables(bool &configCreated);
    // The statements of the schema rules for the tables' states, in createTables' transaction.
    static constexpr int kTables = 6;
    static bool makeMissingTables(const TableState (&states)[kTables], bool configCreated);
    static bool allTablesPresent();
    // Closes and forgets the connection, so no later statement runs on a refused file.
    void releaseConnection();

    QSqlDatabase m_db;
    bool m_opened = false;
    int m_busyTimeoutMs = 5000; // the SQLite driver's own default
};
