#include "tools/quillet-skin/SkinCheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/text.h"
#include "skin/SkinColourFile.h"
#include "tools/quillet-skin/ColourCheck.h"
#include "tools/quillet-skin/PictureCheck.h"

namespace fs = std::filesystem;

namespace {

// The program reads a colour file of up to this size; anything larger as none.
constexpr std::uintmax_t kMaxColourFileBytes = 16 * 1024 * 1024;
constexpr LPCWSTR kImageTypes[] = {u".png", u".bmp", u".jpg"};

Finding FileFinding(Severity severity, const char* kind, const std::string& file, std::string message)
{
    Finding f;
    f.severity = severity;
    f.kind = kind;
    f.file = file;
    f.message = std::move(message);
    return f;
}

// What keeps the program from reading the colour file as text, if anything;
// empty when it reads the whole file.
std::optional<Finding> CheckColourFileItself(const fs::path& path)
{
    const std::string file = path.string();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status))
        return FileFinding(Severity::Warning, "colour-file-missing", file,
            "no colour file: every colour is the built-in one and the pictures are read as .png");
    if (!fs::is_regular_file(status))
        return FileFinding(Severity::Warning, "colour-file-unreadable", file,
            "not a file: every colour is the built-in one and the pictures are read as .png");
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > kMaxColourFileBytes)
        return FileFinding(Severity::Warning, "colour-file-too-large", file,
            "larger than 16 MiB, so it is read as no file: every colour is the built-in one");
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof())
        return FileFinding(Severity::Warning, "colour-file-unreadable", file,
            "cannot be read: every colour is the built-in one and the pictures are read as .png");
    if (bytes.empty())
        return FileFinding(Severity::Warning, "colour-file-empty", file,
            "empty: every colour is the built-in one and the pictures are read as .png");
    if (const size_t nul = bytes.find('\0'); nul != std::string::npos)
        return FileFinding(Severity::Warning, "colour-file-not-text", file,
            "not a text file: it holds a zero byte at offset " + std::to_string(nul) +
                ", and the program reads only what stands before it (a UTF-16 file or a picture reads as "
                "nearly nothing); save it as plain text");
    return std::nullopt;
}

std::string ColourHex(COLORREF clr)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(clr), GetGValue(clr), GetBValue(clr));
    return text;
}

const char* SeverityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    default:
        return "note";
    }
}

} // namespace

int SkinReport::Count(Severity severity) const
{
    return int(std::count_if(
        findings.begin(), findings.end(), [severity](const Finding& f) { return f.severity == severity; }));
}

SkinReport CheckSkin(const std::string& folder)
{
    SkinReport report;
    report.folder = folder;
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (!fs::is_directory(status)) {
        report.findings.push_back(FileFinding(Severity::Error, "folder-missing", folder,
            fs::exists(status) ? "not a folder: a skin is a folder of pictures and a colour file" : "no such folder"));
        return report;
    }

    const CString strFolder(FileNameToUtf16(folder));
    const fs::path colourPath = fs::path(folder) / Utf16ToUtf8(SKIN_COLOUR_FILE);
    const std::optional<Finding> fileFinding = CheckColourFileItself(colourPath);
    if (fileFinding)
        report.findings.push_back(*fileFinding);
    const CString strText = ReadSkinTextFile(CString(FileNameToUtf16(colourPath.string())));
    ColourFileReading reading = CheckColourEntries(colourPath.string(), strText, fileFinding.has_value());
    report.findings.insert(report.findings.end(), reading.findings.begin(), reading.findings.end());

    // A type whose pictures are absent while another type's are there is one
    // mistake, not ten missing pictures alone.
    if (CountPictures(strFolder, reading.imageType) == 0) {
        std::string others;
        for (LPCWSTR type : kImageTypes)
            if (const int n = CountPictures(strFolder, type); n > 0 && reading.imageType != type)
                others += (others.empty() ? "" : ", ") + std::to_string(n) + " " + Utf16ToUtf8(type);
        if (!others.empty()) {
            Finding f = FileFinding(Severity::Error, "image-type-without-pictures", colourPath.string(),
                "the pictures are read as " + Utf16ToUtf8(reading.imageType.str()) +
                    ", but there are none of that type; the folder holds " + others + " pictures");
            f.line = reading.typeLine;
            f.imageType = Utf16ToUtf8(reading.imageType.str());
            report.findings.push_back(f);
        }
    }
    const std::vector<Finding> pictures = CheckPictures(strFolder, reading.imageType);
    report.findings.insert(report.findings.end(), pictures.begin(), pictures.end());
    return report;
}

std::string ReportText(const SkinReport& report)
{
    std::string out;
    for (const Finding& f : report.findings) {
        out += f.file;
        if (f.line > 0)
            out += ':' + std::to_string(f.line);
        out += std::string(": ") + SeverityName(f.severity) + ": " + f.message + "\n";
    }
    const int errors = report.Count(Severity::Error);
    const int warnings = report.Count(Severity::Warning);
    out += report.folder + ": " + std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") +
        std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings") + "\n";
    return out;
}

std::string ReportJson(const SkinReport& report)
{
    QJsonArray findings;
    for (const Finding& f : report.findings) {
        QJsonObject o{
            {"severity", SeverityName(f.severity)},
            {"kind", QString::fromStdString(f.kind)},
            {"file", QString::fromStdString(f.file)},
            {"line", f.line},
            {"message", QString::fromStdString(f.message)},
        };
        if (!f.key.empty())
            o.insert("key", QString::fromStdString(f.key));
        if (f.colour)
            o.insert("colour", QString::fromStdString(ColourHex(*f.colour)));
        if (!f.imageType.empty())
            o.insert("imageType", QString::fromStdString(f.imageType));
        if (!f.standIn.empty())
            o.insert("standIn", QString::fromStdString(f.standIn));
        if (!f.quirks.empty()) {
            QJsonArray quirks;
            for (const std::string& q : f.quirks)
                quirks.append(QString::fromStdString(q));
            o.insert("quirks", quirks);
        }
        findings.append(o);
    }
    const QJsonObject root{
        {"folder", QString::fromStdString(report.folder)},
        {"errors", report.Count(Severity::Error)},
        {"warnings", report.Count(Severity::Warning)},
        {"findings", findings},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

int ExitCode(const SkinReport& report, bool bStrict)
{
    if (report.Count(Severity::Error) > 0)
        return 1;
    return bStrict && report.Count(Severity::Warning) > 0 ? 1 : 0;
}
