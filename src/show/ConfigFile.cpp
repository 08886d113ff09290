#include "ConfigFile.h"

#include "AtomicFile.h"
#include "FieldReader.h"
#include "FieldWriter.h"
#include "NumericText.h"
#include "PathText.h"

#include <QFile>

namespace zyn::ConfigFile {

namespace {

constexpr QByteArrayView Header = "[ZYN600x2 CONFIGFILE]";
constexpr QByteArrayView LanguageSection = "[LANGUAGE]";
constexpr QByteArrayView SliderSection = "[SLIDER]";
constexpr QByteArrayView ColumnSection = "[COLWIDTH]";
constexpr QByteArrayView PathSection = "[PATH]";
constexpr QByteArrayView ColourSection = "[BACKCOLOR]";
constexpr QByteArrayView QuestionSection = "[QUESTIONS]";
constexpr QByteArrayView UsbSection = "[USBDRIVE]";
// Far more than eighteen lines need; a bigger file is not ours.
constexpr qint64 MaxFileSize = 1024 * 1024;

std::optional<double> numberOf(const std::optional<QByteArray>& value) {
    if (!value)
        return std::nullopt;
    bool ok = false;
    const double number = QString::fromLatin1(*value).trimmed().toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

std::optional<qint16> int16Value(FieldReader& reader) {
    const std::optional<double> number = numberOf(reader.readValue());
    return number ? NumericText::toInt16(*number) : std::nullopt;
}

std::optional<bool> booleanValue(FieldReader& reader) {
    const std::optional<QByteArray> value = reader.readValue();
    if (value == "#TRUE#")
        return true;
    if (value == "#FALSE#")
        return false;
    return std::nullopt;
}

// A section whose values do not all parse gets its defaults back.
void readSlider(FieldReader& reader, Settings& settings) {
    const std::optional<qint16> width = int16Value(reader);
    settings.cueGridWidth = width && *width > 0 ? *width : Settings::DefaultCueGridWidth;
}

void readColumns(FieldReader& reader, Settings& settings) {
    const std::optional<qint16> time = int16Value(reader);
    const std::optional<qint16> description = int16Value(reader);
    const bool valid = time && description && *time > 0 && *description > 0;
    settings.timeColumnWidth = valid ? *time : Settings::DefaultTimeColumnWidth;
    settings.descriptionColumnWidth =
        valid ? *description : Settings::DefaultDescriptionColumnWidth;
}

// Paths are read as whole lines, since a folder name may hold double quotes.
void readProjectDirectory(FieldReader& reader, Settings& settings) {
    if (const std::optional<QByteArray> value = reader.readLineField())
        settings.projectDirectory = PathText::decode(*value);
}

void readColour(FieldReader& reader, Settings& settings) {
    const std::optional<double> number = numberOf(reader.readValue());
    const std::optional<qint32> colour = number ? NumericText::toInt32(*number) : std::nullopt;
    settings.inputBackColour = colour.value_or(Settings::WindowBackgroundColour);
}

void readQuestions(FieldReader& reader, Settings& settings) {
    const std::optional<bool> sort = booleanValue(reader);
    const std::optional<bool> remove = booleanValue(reader);
    const std::optional<bool> input = booleanValue(reader);
    const bool valid = sort && remove && input;
    settings.askBeforeSort = valid ? *sort : true;
    settings.askBeforeDelete = valid ? *remove : true;
    settings.askBeforeInput = valid ? *input : true;
}

void readUsbDrive(FieldReader& reader, Settings& settings) {
    if (const std::optional<QByteArray> value = reader.readLineField())
        settings.usbDrive = PathText::decode(*value);
}

std::optional<QByteArray> readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    return file.readAll();
}

} // namespace

QByteArray serialize(const Settings& settings) {
    FieldWriter writer;
    writer.plainLine(Header);
    writer.plainLine(LanguageSection);
    writer.textField(PathText::encode(settings.languageName));
    writer.plainLine(SliderSection);
    writer.valuesLine({FieldWriter::integer(settings.cueGridWidth)});
    writer.plainLine(ColumnSection);
    writer.valuesLine({FieldWriter::integer(settings.timeColumnWidth)});
    writer.valuesLine({FieldWriter::integer(settings.descriptionColumnWidth)});
    writer.plainLine(PathSection);
    writer.textField(PathText::encode(settings.projectDirectory));
    writer.plainLine(ColourSection);
    writer.valuesLine({FieldWriter::integer(settings.inputBackColour)});
    writer.plainLine(QuestionSection);
    writer.valuesLine({FieldWriter::boolean(settings.askBeforeSort)});
    writer.valuesLine({FieldWriter::boolean(settings.askBeforeDelete)});
    writer.valuesLine({FieldWriter::boolean(settings.askBeforeInput)});
    writer.plainLine(UsbSection);
    writer.textField(PathText::encode(settings.usbDrive));
    return writer.bytes();
}

FileError write(const QString& path, const Settings& settings) {
    return AtomicFile::save(path, serialize(settings));
}

void parseEditorSettings(const QByteArray& content, Settings& settings) {
    settings.timeColumnWidth = Settings::DefaultTimeColumnWidth;
    settings.descriptionColumnWidth = Settings::DefaultDescriptionColumnWidth;
    FieldReader reader(content);
    while (!reader.atEnd()) {
        const QByteArray line = *reader.readLine();
        if (line == SliderSection)
            readSlider(reader, settings);
        else if (line == ColumnSection)
            readColumns(reader, settings);
        else if (line == PathSection)
            readProjectDirectory(reader, settings);
        else if (line == ColourSection)
            readColour(reader, settings);
        else if (line == QuestionSection)
            readQuestions(reader, settings);
        else if (line == UsbSection)
            readUsbDrive(reader, settings);
    }
}

void readEditorSettings(const QString& path, Settings& settings) {
    if (!QFile::exists(path)) {
        settings = Settings{};
        return;
    }
    parseEditorSettings(readSmallFile(path).value_or(QByteArray()), settings);
}

QString parseLanguageName(const QByteArray& content) {
    FieldReader reader(content);
    std::optional<QByteArray> value;
    for (int i = 0; i < 3; ++i)
        value = reader.readValue();
    const QString name = value ? PathText::decode(*value).trimmed() : QString();
    return name.isEmpty() ? Settings{}.languageName : name;
}

QString readLanguageName(const QString& path) {
    const std::optional<QByteArray> content = readSmallFile(path);
    return content ? parseLanguageName(*content) : Settings{}.languageName;
}

} // namespace zyn::ConfigFile
