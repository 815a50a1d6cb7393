// ScriptedPresenter: scripted answers and the record of shown boxes.
#include "ScriptedPresenter.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString kindOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Question:
        return "question";
    case QMessageBox::Warning:
        return "warning";
    case QMessageBox::Critical:
        return "critical";
    default:
        return "information";
    }
}

QMessageBox::StandardButton fallbackAnswer(const MessageRequest &request)
{
    if (request.defaultButton != QMessageBox::NoButton)
        return request.defaultButton;
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (request.buttons & bit)
            return static_cast<QMessageBox::StandardButton>(bit);
    }
    return QMessageBox::NoButton;
}

} // namespace

ScriptedPresenter::ScriptedPresenter() : m_previous(MessagePresenter::install(this)) {}

ScriptedPresenter::~ScriptedPresenter()
{
    MessagePresenter::install(m_previous);
}

QStringList ScriptedPresenter::shownTexts() const
{
    QStringList texts;
    for (const ShownMessage &m : m_shown)
        texts.append(m.text);
    return texts;
}

void ScriptedPresenter::record(const ShownMessage &message)
{
    m_shown.append(message);
    if (!m_recordFile.isEmpty())
        appendRecord(m_recordFile, message);
}

QMessageBox::StandardButton ScriptedPresenter::showMessage(const MessageRequest &request)
{
    record({kindOf(request.icon), request.title, request.text, request.parent});
    return m_answers.isEmpty() ? fallbackAnswer(request) : m_answers.takeFirst();
}

bool ScriptedPresenter::getText(const TextInputRequest &request, QString &value)
{
    record({"input", request.title, request.label, request.parent});
    if (m_texts.isEmpty())
        return false;
    value = m_texts.takeFirst();
    return true;
}

int ScriptedPresenter::askWithCheckBox(const CheckQuestionRequest &request, bool &checked)
{
    record({"checkquestion", request.title, request.question, request.parent});
    if (!m_checks.isEmpty())
        checked = m_checks.takeFirst();
    const QMessageBox::StandardButton answer =
        m_answers.isEmpty() ? QMessageBox::No : m_answers.takeFirst();
    return answer == QMessageBox::Yes ? 1 : 0;
}

int ScriptedPresenter::showLinkMessage(const LinkMessageRequest &request)
{
    QString text = request.msg1;
    if (!request.msg2.isEmpty())
        text += '\n' + request.msg2;
    record({"link", request.title, text, request.parent, request.url});
    return 1;
}

int ScriptedPresenter::showContinueDialog(const ContinueDialogRequest &request)
{
    ShownMessage shown{"continue", request.title, QString(), request.parent};
    QStringList texts;
    for (const ContinueDialogRequest::Line &line : request.lines) {
        texts.append(line.text);
        QString entry = QString::number(line.number) + ": " + line.text;
        if (!line.link.isEmpty()) {
            entry += " <" + line.link + '>';
            if (shown.link.isEmpty())
                shown.link = line.link;
        }
        shown.lines.append(entry);
    }
    shown.text = texts.join('\n');
    shown.size = request.size;
    record(shown);
    if (m_answers.isEmpty())
        return 1;
    const QMessageBox::StandardButton answer = m_answers.takeFirst();
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok ? 1 : 0;
}

void ScriptedPresenter::appendRecord(const QString &file, const ShownMessage &message)
{
    QFile out(file);
    if (!out.open(QIODevice::Append))
        return;
    QJsonObject line{{"kind", message.kind}, {"title", message.title}, {"text", message.text}};
    if (!message.link.isEmpty())
        line.insert("link", message.link);
    out.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + "\n");
}

QList<ShownMessage> ScriptedPresenter::readRecords(const QString &file)
{
    QList<ShownMessage> records;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return records;
    const QList<QByteArray> lines = in.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        records.append({o.value("kind").toString(), o.value("title").toString(),
                        o.value("text").toString(), nullptr, o.value("link").toString()});
    }
    return records;
}
