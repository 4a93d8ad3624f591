// quillet-skin run on skins the tests make: what the checker finds and its
// exit codes, and the cells of the preview's contact sheet.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <functional>
#include <regex>
#include <sstream>

#include "test_reg_process.h"
#include "tools/skinpainter/colourfile.h"

namespace {

struct Picture {
    const char* name;
    int width, height;
};
// The ten pictures of a complete skin, at the sizes of the windows they back.
constexpr Picture kPictures[] = {
    {"1", 236, 244},
    {"2", 240, 244},
    {"3", 219, 236},
    {"4", 238, 244},
    {"5", 235, 223},
    {"1_VGA", 473, 488},
    {"2_VGA", 480, 488},
    {"3_VGA", 438, 471},
    {"4_VGA", 476, 488},
    {"5_VGA", 469, 445},
};

// The default skin's colours: every one reads as written.
constexpr const char* kColourFile = kDefaultColourEntries;

// Screen k's pictures are all one colour of their own.
QColor ScreenColour(int nScreen)
{
    return QColor::fromHsv(nScreen * 60, 200, 220);
}

class Skin {
public:
    Skin()
    {
        for (const Picture& p : kPictures)
            WritePicture(p.name, p.width, p.height);
        WriteColourFile(kColourFile);
    }
    QString Path(const QString& name = {}) const { return name.isEmpty() ? m_dir.path() : m_dir.filePath(name); }
    void WritePicture(const QString& name, int width, int height, const char* type = ".png") const
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(ScreenColour(name.left(1).toInt()));
        image.save(Path(name + type));
    }
    void WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void WriteColourFile(const QByteArray& text) const { WriteFile("QSet.ini", text); }

private:
    QTemporaryDir m_dir;
};

ProcessResult Tool(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{BinPath("quillet-skin")};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv);
}

// "kind@line" for each warning and error, "quirk" words after a colon.
std::vector<std::string> Problems(const QJsonDocument& doc)
{
    std::vector<std::string> out;
    for (const QJsonValue& v : doc["findings"].toArray()) {
        const QJsonObject f = v.toObject();
        if (f["severity"] == "note")
            continue;
        std::string text = f["kind"].toString().toStdString() + "@" + std::to_string(f["line"].toInt());
        for (const QJsonValue& q : f["quirks"].toArray())
            text += ':' + q.toString().toStdString();
        out.push_back(text);
    }
    return out;
}

std::string ColourOf(const QJsonDocument& doc, const char* key)
{
    for (const QJsonValue& v : doc["findings"].toArray())
        if (v["kind"] == "colour" && v["key"] == key)
            return v["colour"].toString().toStdString();
    return "";
}

} // namespace

TEST(QuilletSkin, CheckFindings)
{
    struct Row {
        const char* name;
        std::function<void(Skin&)> change;
        std::vector<std::string> problems; // in the order reported
        int exitCode, strictExitCode;
        const char* key = nullptr; // a colour to look at, and the colour read
        const char* colour = nullptr;
    };
    const std::vector<std::string> tenMissing = {"picture-missing@0", "picture-missing@0", "picture-missing@0",
        "picture-missing@0", "picture-missing@0", "picture-missing@0", "picture-missing@0", "picture-missing@0",
        "picture-missing@0", "picture-missing@0"};
    std::vector<std::string> emptyFolder = {"colour-file-missing@0"};
    emptyFolder.insert(emptyFolder.end(), tenMissing.begin(), tenMissing.end());
    const Row rows[] = {
        {"complete", [](Skin&) {}, {}, 0, 0, "BarLowColor", "#F6B830"},
        {"picture missing", [](Skin& s) { QFile::remove(s.Path("3.png")); }, {"picture-missing@0"}, 1, 1},
        {"picture 1 px too small", [](Skin& s) { s.WritePicture("5_VGA", 469, 444); }, {"picture-size@0"}, 1, 1},
        {"garbage picture", [](Skin& s) { s.WriteFile("2.png", "not a picture at all"); }, {"picture-not-decodable@0"},
            1, 1},
        {"no blanks around =", [](Skin& s) { s.WriteColourFile("MainTextColor=(22,46,122);\n"); },
            {"image-type@0:not-set", "colour@0:not-set", "colour@0:not-set", "colour@0:not-set", "colour@0:not-set",
                "colour@0:not-set", "colour@1:gap"},
            0, 1, "MainTextColor", "#002E7A"},
        {"value over 255", [](Skin& s) { s.WriteColourFile(QByteArray(kColourFile).replace("(24,", "(300,")); },
            {"colour@2:low-bits"}, 0, 1, "BarTextColor", "#2C223A"},
        {"no closing bracket", [](Skin& s) { s.WriteColourFile(QByteArray(kColourFile).replace("242);", "242;")); },
            {"colour@3:no-bracket"}, 0, 1, "BarBackColor", "#E2E918"},
        {"key twice, first in a comment",
            [](Skin& s) { s.WriteColourFile("; SkinType = (.bmp);\n" + QByteArray(kColourFile)); },
            {"key-in-comment@1", "duplicate-key@8", "image-type-without-pictures@1", "picture-missing@0",
                "picture-missing@0", "picture-missing@0", "picture-missing@0", "picture-missing@0", "picture-missing@0",
                "picture-missing@0", "picture-missing@0", "picture-missing@0", "picture-missing@0"},
            1, 1},
        {"colour given twice", [](Skin& s) { s.WriteColourFile(QByteArray(kColourFile) + "BarLowColor = (1,1,1);\n"); },
            {"duplicate-key@8"}, 0, 1, "BarLowColor", "#F6B830"},
        {"unknown key", [](Skin& s) { s.WriteColourFile(QByteArray(kColourFile) + "BarNormalColour = (1,2,3);\n"); },
            {"unknown-key@8"}, 0, 1},
        {"colour file that is not text",
            [](Skin& s) {
                QFile::remove(s.Path("QSet.ini"));
                QFile::copy(s.Path("1.png"), s.Path("QSet.ini"));
            },
            {"colour-file-not-text@0"}, 0, 1, "MainTextColor", "#000091"},
        {"empty folder",
            [](Skin& s) {
                for (const QString& name : QDir(s.Path()).entryList(QDir::Files))
                    QFile::remove(s.Path(name));
            },
            emptyFolder, 1, 1},
        {"folder that does not exist", [](Skin& s) { QDir(s.Path()).removeRecursively(); }, {"folder-missing@0"}, 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Skin skin;
        row.change(skin);
        const std::string folder = skin.Path().toStdString();
        const ProcessResult json = Tool({"check", "--json", folder});
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out));
        EXPECT_TRUE(doc.isObject()) << json.out << json.err;
        if (!doc.isObject())
            continue;
        EXPECT_EQ(Problems(doc), row.problems);
        EXPECT_EQ(json.exitCode, row.exitCode);
        EXPECT_EQ(Tool({"check", folder, "--strict"}).exitCode, row.strictExitCode);
        if (row.key) {
            EXPECT_EQ(ColourOf(doc, row.key), row.colour);
        }
    }
}

TEST(QuilletSkin, TextReportNamesFileLineAndWhy)
{
    Skin skin;
    skin.WriteColourFile(QByteArray(kColourFile).replace("(24,", "(300,"));
    QFile::remove(skin.Path("4_VGA.png"));
    const ProcessResult result = Tool({"check", skin.Path().toStdString()});
    EXPECT_EQ(result.exitCode, 1);
    const std::string folder = skin.Path().toStdString();
    EXPECT_NE(result.out.find(folder +
                  "/QSet.ini:2: warning: BarTextColor is 44,34,58 (#2C223A), not 300,34,58 as "
                  "written: only the low 8 bits of a value count (300 reads as 44)\n"),
        std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find(folder + "/4_VGA.png: error: missing: the settings window on a 480x640 screen"),
        std::string::npos);
    EXPECT_NE(result.out.find("shows the default skin's " + BinPath("Skins/Default/4_VGA.png") + " instead\n"),
        std::string::npos)
        << "the picture the program takes instead";
    EXPECT_NE(result.out.find(folder + ": 1 error, 1 warning\n"), std::string::npos);
}

TEST(QuilletSkin, UsageErrorsExitTwo)
{
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"frobnicate"},
        {"check"},
        {"check", "a", "b"},
        {"check", "--loud", "a"},
        {"preview"},
        {"preview", "a", "--size", "100x100"},
        {"preview", "a", "-o"},
        {"preview", "a", "--show-as"},
    };
    for (const auto& args : calls) {
        const ProcessResult result = Tool(args);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(args);
        EXPECT_NE(result.err.find("usage: quillet-skin"), std::string::npos) << testing::PrintToString(args);
    }
}

TEST(QuilletSkin, PreviewHoldsEveryScreenInItsCell)
{
    Skin skin;
    QTemporaryDir out;
    // The tool must keep to its own settings store and device log.
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    const std::string sheetPath = out.filePath("sheet.png").toStdString();
    const ProcessResult result = Tool({"preview", skin.Path().toStdString(), "-o", sheetPath});
    unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(QDir(config.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));

    const QImage sheet(QString::fromStdString(sheetPath));
    ASSERT_FALSE(sheet.isNull());
    const QColor background = sheet.pixelColor(0, 0);
    std::istringstream lines(result.out);
    const std::regex cellLine(R"((.+) (\d+x\d+): (\d+)x(\d+) at (\d+),(\d+))");
    std::string line;
    size_t cell = 0;
    while (std::getline(lines, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, cellLine))
            continue;
        SCOPED_TRACE(line);
        if (cell == std::size(kPictures)) {
            ADD_FAILURE() << "a cell more than the skin has pictures";
            break;
        }
        const Picture& picture = kPictures[cell++];
        const int width = std::stoi(m[3]), height = std::stoi(m[4]), x = std::stoi(m[5]), y = std::stoi(m[6]);
        EXPECT_EQ(m[2], cell <= 5 ? "240x320" : "480x640");
        // A window is as wide as its picture; a command bar may stand below it.
        EXPECT_EQ(width, picture.width);
        EXPECT_GE(height, picture.height);
        const bool inside = sheet.rect().contains(QRect(x, y, width, height));
        EXPECT_TRUE(inside) << "the cell lies outside the sheet";
        if (!inside)
            continue;
        // The picture's own colour shows at its bottom right corner.
        EXPECT_EQ(
            sheet.pixelColor(x + width - 2, y + picture.height - 2).name(), ScreenColour(picture.name[0] - '0').name());
        // The label above the cell is drawn.
        bool labelled = false;
        for (int lx = x; lx < x + width / 2 && !labelled; ++lx)
            for (int ly = y - 18; ly < y - 2 && !labelled; ++ly)
                labelled = sheet.pixelColor(lx, ly) != background;
        EXPECT_TRUE(labelled);
    }
    EXPECT_EQ(cell, std::size(kPictures)) << result.out;
}

// A translator sees their own texts: the preview speaks the locale it runs
// in, so each window with words differs between English and Russian.
TEST(QuilletSkin, PreviewSpeaksTheLocaleItRunsIn)
{
    Skin skin;
    QTemporaryDir out, config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        unsetenv(name);
    const char* const locales[] = {"en_US.UTF-8", "ru_RU.UTF-8"};
    QImage sheets[2];
    std::string cells;
    for (int i = 0; i < 2; ++i) {
        setenv("LANG", locales[i], 1);
        const QString path = out.filePath(QStringLiteral("%1.png").arg(i));
        const ProcessResult result = Tool(
            {"preview", skin.Path().toStdString(), "-o", path.toStdString(), "--size", "240x320"});
        EXPECT_EQ(result.exitCode, 0) << locales[i] << ": " << result.err;
        sheets[i] = QImage(path);
        cells = result.out;
    }
    unsetenv("LANG");
    unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(sheets[0].size(), sheets[1].size());
    std::istringstream lines(cells);
    const std::regex cellLine(R"((.+) 240x320: (\d+)x(\d+) at (\d+),(\d+))");
    std::string line;
    int windows = 0;
    while (std::getline(lines, line) && windows < 4) { // the folder browser shows only folder names
        std::smatch m;
        if (!std::regex_match(line, m, cellLine))
            continue;
        ++windows;
        const QRect cell(std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[2]), std::stoi(m[3]));
        EXPECT_NE(sheets[0].copy(cell), sheets[1].copy(cell)) << m[1];
    }
    EXPECT_EQ(windows, 4) << cells;
}
