#include "ShowJson.h"

#include "ScrambledField.h"
#include "Show.h"
#include "soundtrack/SoundtrackFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace zyn::ShowJson {

namespace {

QByteArray jsonString(const QString& text) {
    QByteArray out = "\"";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u < 0x20) {
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0')).toLatin1();
        } else {
            out += QString(c).toUtf8();
        }
    }
    return out + '"';
}

// Reading: each helper returns "" or the reason the JSON is refused.
class JsonShowReader {
public:
    JsonShowReader(const StopLabels& labels, Show& show) : m_labels(labels), m_show(show) {}

    QString read(const QByteArray& json) {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
        if (parseError.error != QJsonParseError::NoError)
            return QStringLiteral("not valid JSON at offset %1: %2")
                .arg(parseError.offset)
                .arg(parseError.errorString());
        if (!document.isObject())
            return QStringLiteral("the JSON is not an object");
        const QJsonObject root = document.object();
        QString error =
            checkKeys(root, {"mode", "sortPending", "soundtrack", "cues", "channels"}, "the show");
        if (error.isEmpty())
            error = readState(root);
        if (error.isEmpty())
            error = readSoundtrack(root.value("soundtrack"));
        if (error.isEmpty())
            error = readCues(root.value("cues"));
        if (error.isEmpty())
            error = readChannels(root.value("channels"));
        return error;
    }

    // What the JSON gave; empty without a soundtrack or after a refusal.
    const Soundtrack& soundtrack() const { return m_soundtrack; }

private:
    static QString checkKeys(const QJsonObject& object, const QStringList& allowed,
                             const QString& what) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!allowed.contains(it.key()))
                // Quoted as JSON writes it, so that a key holding a line end
                // cannot break the refusal's one line.
                return QStringLiteral("unknown key %1 in %2")
                    .arg(QString::fromUtf8(jsonString(it.key())), what);
        }
        return {};
    }

    static QString integer(const QJsonValue& value, const QString& name, int low, int high,
                           int* out) {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || number != std::floor(number) || number < low || number > high)
            return QStringLiteral("\"%1\" must be a whole number from %2 to %3")
                .arg(name)
                .arg(low)
                .arg(high);
        *out = static_cast<int>(number);
        return {};
    }

    static QString text(const QJsonValue& value, const QString& name, QString* out) {
        if (value.isUndefined()) {
            out->clear();
            return {};
        }
        if (!value.isString())
            return QStringLiteral("\"%1\" must be a string").arg(name);
        *out = value.toString();
        const qsizetype bad = ScrambledField::firstUnstorable(*out);
        if (bad >= 0)
            return QStringLiteral("\"%1\" holds the character U+%2, which a project file "
                                  "cannot store")
                .arg(name)
                .arg(int(out->at(bad).unicode()), 4, 16, QLatin1Char('0'));
        return {};
    }

    QString readState(const QJsonObject& root) {
        int mode = TimeCodedShow;
        if (root.contains("mode")) {
            if (QString error =
                    integer(root.value("mode"), "mode", TimeCodedShow, ManualShow, &mode);
                !error.isEmpty())
                return error;
        }
        const QJsonValue pending = root.value("sortPending");
        if (!pending.isUndefined() && !pending.isBool())
            return QStringLiteral("\"sortPending\" must be true or false");
        m_show.state.ShowMode = static_cast<qint16>(mode);
        m_show.state.SortPending = pending.toBool(false);
        return {};
    }

    QString readSoundtrack(const QJsonValue& value) {
        if (value.isUndefined())
            return {};
        if (!value.isObject())
            return QStringLiteral("\"soundtrack\" must be an object");
        const QJsonObject entry = value.toObject();
        QString error = checkKeys(entry, {"file", "start", "segment"}, "the soundtrack");
        if (!error.isEmpty())
            return error;
        const QJsonValue file = entry.value("file");
        if (!file.isString() || file.toString().isEmpty())
            return QStringLiteral("the soundtrack's \"file\" must be a path");
        for (const QChar c : file.toString()) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return QStringLiteral("the soundtrack's \"file\" holds a control character");
        }
        const std::optional<int> start = SoundtrackFile::startFrom(entry.value("start").toString());
        if (!start)
            return QStringLiteral("the soundtrack's \"start\" must be a time hh:mm:ss:cc");
        int segment = 1;
        if (entry.contains("segment"))
            error =
                integer(entry.value("segment"), "segment", 1, SoundtrackFile::MaxSegment, &segment);
        m_soundtrack = {file.toString(), *start, segment};
        return error;
    }

    static QString arrayOf(const QJsonValue& value, const QString& name, QJsonArray* out) {
        if (value.isUndefined())
            return {};
        if (!value.isArray())
            return QStringLiteral("\"%1\" must be a list").arg(name);
        *out = value.toArray();
        for (const QJsonValue& entry : *out) {
            if (!entry.isObject())
                return QStringLiteral("every entry of \"%1\" must be an object").arg(name);
        }
        return {};
    }

    QString readCues(const QJsonValue& value) {
        QJsonArray cues;
        QString error = arrayOf(value, "cues", &cues);
        QSet<int> seen;
        for (qsizetype i = 0; error.isEmpty() && i < cues.size(); ++i) {
            const QJsonObject cue = cues[i].toObject();
            const QString where = QStringLiteral("cue entry %1").arg(i + 1);
            int row = 0;
            QString time;
            QString description;
            error = checkKeys(cue, {"row", "time", "description"}, where);
            if (error.isEmpty())
                error = integer(cue.value("row"), "row", 1, MaxCues, &row);
            if (error.isEmpty() && seen.contains(row))
                error = QStringLiteral("row %1 is listed twice").arg(row);
            if (error.isEmpty())
                error = text(cue.value("time"), "time", &time);
            if (error.isEmpty())
                error = text(cue.value("description"), "description", &description);
            if (!error.isEmpty())
                return where + ": " + error;
            seen.insert(row);
            m_show.cues.row(row).TimeText = timeTextToTable(time, m_labels);
            m_show.cues.row(row).Description = description;
        }
        return error;
    }

    QString readChannels(const QJsonValue& value) {
        QJsonArray channels;
        QString error = arrayOf(value, "channels", &channels);
        QSet<int> seen;
        for (qsizetype i = 0; error.isEmpty() && i < channels.size(); ++i) {
            const QJsonObject entry = channels[i].toObject();
            const QString where = QStringLiteral("channel entry %1").arg(i + 1);
            int slave = 0;
            int channel = 0;
            QString cell;
            error = checkKeys(entry, {"slave", "channel", "cell"}, where);
            if (error.isEmpty())
                error = integer(entry.value("slave"), "slave", 1, MaxSlaves, &slave);
            if (error.isEmpty())
                error = integer(entry.value("channel"), "channel", 1, ChannelsPerSlave, &channel);
            const int key = slave * 100 + channel;
            if (error.isEmpty() && seen.contains(key))
                error =
                    QStringLiteral("module %1 channel %2 is listed twice").arg(slave).arg(channel);
            if (error.isEmpty())
                error = text(entry.value("cell"), "cell", &cell);
            if (!error.isEmpty())
                return where + ": " + error;
            seen.insert(key);
            m_show.ics.cell(slave, channel) = cell;
        }
        return error;
    }

    const StopLabels& m_labels;
    Show& m_show;
    Soundtrack m_soundtrack;
};

} // namespace

QByteArray write(const Show& show, const StopLabels& labels, const Soundtrack& soundtrack) {
    QByteArray out = "{\n";
    out += "  \"mode\": " + QByteArray::number(show.state.ShowMode) + ",\n";
    out += QByteArray("  \"sortPending\": ") + (show.state.SortPending ? "true" : "false") + ",\n";
    if (soundtrack.isSet()) {
        const int segment = std::clamp(soundtrack.segment, 1, SoundtrackFile::MaxSegment);
        out += "  \"soundtrack\": {\"file\": " + jsonString(soundtrack.file) + ", \"start\": " +
               jsonString(SoundtrackFile::startText(soundtrack.startCentiseconds)) +
               (segment == 1 ? QByteArray() : ", \"segment\": " + QByteArray::number(segment)) +
               "},\n";
    }
    QList<QByteArray> entries;
    for (int r = 1; r <= MaxCues; ++r) {
        const CueRow& cue = show.cues.row(r);
        if (cue.TimeText.isEmpty() && cue.Description.isEmpty())
            continue;
        entries += "    {\"row\": " + QByteArray::number(r) +
                   ", \"time\": " + jsonString(timeTextToFile(cue.TimeText, labels)) +
                   ", \"description\": " + jsonString(cue.Description) + "}";
    }
    out +=
        "  \"cues\": [" + (entries.isEmpty() ? "" : "\n" + entries.join(",\n") + "\n  ") + "],\n";
    entries.clear();
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c) {
            const QString& cell = show.ics.cell(s, c);
            if (cell.isEmpty())
                continue;
            entries += "    {\"slave\": " + QByteArray::number(s) +
                       ", \"channel\": " + QByteArray::number(c) +
                       ", \"cell\": " + jsonString(cell) + "}";
        }
    }
    out += "  \"channels\": [" + (entries.isEmpty() ? "" : "\n" + entries.join(",\n") + "\n  ") +
           "]\n}\n";
    return out;
}

QString read(const QByteArray& json, const StopLabels& labels, Show& show, Soundtrack* soundtrack) {
    show.clearForTimeCodedShow();
    JsonShowReader reader(labels, show);
    const QString error = reader.read(json);
    if (!error.isEmpty())
        show.clearForTimeCodedShow();
    if (soundtrack)
        *soundtrack = error.isEmpty() ? reader.soundtrack() : Soundtrack();
    return error;
}

} // namespace zyn::ShowJson
