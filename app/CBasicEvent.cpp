// CBasicEvent: statements on tb_taxpayers and tb_history.
#include "app/CBasicEvent.h"

#include <QSqlQuery>
#include <QVariant>
#include <exception>

#include "app/MsgTextCodec.h"

CBasicEvent::~CBasicEvent() = default;

int CBasicEvent::countEvents(QSqlDatabase &db, int eventId)
{
    try {
        QSqlQuery query(db);
        query.prepare(
            "select id, uid, eventid, msg from tb_history where eventid=:evid order by id");
        query.bindValue(":evid", eventId);
        int count = 0;
        if (query.exec()) {
            while (query.next())
                ++count;
        }
        return count;
    } catch (const std::exception &) {
        return resultNumber(EventRows::CountThrew);
    }
}

EventRows CBasicEvent::deleteEvents(QSqlDatabase &db, int eventId)
{
    try {
        QSqlQuery query(db);
        query.prepare("delete from tb_history where eventid=:evid");
        query.bindValue(":evid", eventId);
        return query.exec() ? EventRows::Deleted : EventRows::NotDeleted;
    } catch (const std::exception &) {
        return EventRows::DeleteThrew;
    }
}

int CBasicEvent::addEvent(QSqlDatabase &db, int uid, int eventId, const CString &msg, bool encode,
                          bool withTime, bool replace)
{
    try {
        // Encode before anything is deleted, so a message that does not fit loses nothing.
        QString text = msg;
        if (encode) {
            const QByteArray source = msg.toUtf8();
            char buffer[512];
            int capacity = 511;
            if (encodeMsgText(source.constData(), source.size(), buffer, capacity) != 0)
                return 0;
            text = QString::fromUtf8(buffer);
        }
        if (replace) {
            QSqlQuery remove(db);
            if (uid != 0) {
                remove.prepare("delete from tb_history where eventid=:evid and uid=:uid");
                remove.bindValue(":uid", uid);
            } else {
                remove.prepare("delete from tb_history where eventid=:evid");
            }
            remove.bindValue(":evid", eventId);
            remove.exec();
            remove.finish();
        }
        QSqlQuery insert(db);
        insert.prepare(QString("insert into tb_history (uid, eventid, msg, event_time) values "
                               "(:uid, :evid, :msg, ") +
                       (withTime ? "datetime('now','localtime'))" : "NULL)"));
        insert.bindValue(":uid", uid);
        insert.bindValue(":evid", eventId);
        insert.bindValue(":msg", text);
        if (!insert.exec())
            return 0;
        return insert.lastInsertId().toInt();
    } catch (const std::exception &) {
        return 0;
    }
}

int CBasicEvent::saveTaxpayer(QSqlDatabase &db, const CString &sin, const CString &name,
                              const CString &phone, const CString &email)
{
    try {
        int id = 0;
        {
            QSqlQuery find(db);
            find.prepare("select id from tb_taxpayers where sin=:sin order by id desc");
            find.bindValue(":sin", QString(sin));
            if (find.exec() && find.next())
                id = find.value(0).toInt();
            find.finish();
        }
        QSqlQuery write(db);
        if (id > 0) {
            write.prepare("update tb_taxpayers set name=:name, phone=:phone, email=:email "
                          "where id=:retid");
            write.bindValue(":retid", id);
        } else {
            write.prepare("insert into tb_taxpayers (name, sin, phone, email) values (:name, "
                          ":sin, :phone, :email)");
            write.bindValue(":sin", QString(sin));
        }
        write.bindValue(":name", QString(name));
        write.bindValue(":phone", QString(phone));
        write.bindValue(":email", QString(email));
        if (!write.exec())
            return id;
        return id > 0 ? id : write.lastInsertId().toInt();
    } catch (const std::exception &) {
        return 0;
    }
}

int CBasicEvent::efileHistoryText(QSqlDatabase &db, const CString &sin, CString &name,
                                  CString &history)
{
    try {
        int id = 0;
        {
            QSqlQuery find(db);
            find.prepare("select id, name from tb_taxpayers where sin=:sin");
            find.bindValue(":sin", QString(sin));
            if (!find.exec() || !find.next())
                return 0;
            id = find.value(0).toInt();
            name = find.value(1).toString();
        }
        if (id >= 1) {
            QSqlQuery messages(db);
            messages.prepare("select msg from tb_history where uid=:uid and (eventid=1018 or "
                             "eventid=1019) order by id");
            messages.bindValue(":uid", id);
            if (messages.exec()) {
                while (messages.next())
                    history +=
                        messages.value(0).toString() + "\r\n------------------------------\r\n";
            }
        }
        return id;
    } catch (const std::exception &) {
        return 0;
    }
}
