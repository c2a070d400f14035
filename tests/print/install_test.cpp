// cmake --install into a temporary prefix: the programs, the desktop entry,
// the icons, the MIME type of puzzle files and the man page land where a
// desktop looks for them, and agree with each other.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "pdf_probe.h"

namespace {

constexpr const char* kAppId = "org.vandor.Vandor";

QString Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The value of `key` in the [Desktop Entry] group.
QString DesktopKey(const QString& text, const QString& key)
{
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    return {};
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        ASSERT_TRUE(prefix->isValid());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DESTDIR"));
        p.setProcessEnvironment(env);
        // Every install rule is in the default component; naming it keeps
        // the build's install_manifest.txt, which may list a real install
        // that someone means to remove, from being overwritten.
        p.start(QStringLiteral(VANDOR_CMAKE),
                {QStringLiteral("--install"), QStringLiteral(VANDOR_BUILD_DIR), QStringLiteral("--component"),
                 QStringLiteral("Unspecified"), QStringLiteral("--prefix"), prefix->path()});
        ASSERT_TRUE(p.waitForFinished(120000));
        installLog = p.readAllStandardOutput() + p.readAllStandardError();
        installExit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    static void TearDownTestSuite()
    {
        delete prefix;
        prefix = nullptr;
    }

    void SetUp() override { ASSERT_EQ(installExit, 0) << installLog.toStdString(); }

    static QString Installed(const QString& relative) { return prefix->filePath(relative); }
    static QString Data(const QString& relative) { return Installed(QStringLiteral("share/") + relative); }

    static QTemporaryDir* prefix;
    static QByteArray installLog;
    static int installExit;
};

QTemporaryDir* InstallTest::prefix = nullptr;
QByteArray InstallTest::installLog;
int InstallTest::installExit = -1;

TEST_F(InstallTest, BothProgramsAreInstalledAndRun)
{
    for (const char* name : {"bin/vandor", "bin/vandor-cli"}) {
        const QFileInfo program(Installed(QString::fromLatin1(name)));
        EXPECT_TRUE(program.isFile() && program.isExecutable()) << name;
    }
    const probe::RunResult help = probe::Run(Installed(QStringLiteral("bin/vandor-cli")), {QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains("print")) << help.out.toStdString();
}

TEST_F(InstallTest, DesktopEntryIsValidAndNamesTheInstalledProgramAndIcon)
{
    const QString entry = Data(QStringLiteral("applications/%1.desktop").arg(QLatin1String(kAppId)));
    const QString text = Read(entry);
    ASSERT_FALSE(text.isEmpty()) << entry.toStdString();

    if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
        const probe::RunResult check = probe::Run(QStringLiteral("desktop-file-validate"), {entry});
        EXPECT_EQ(check.exitCode, 0);
        EXPECT_EQ(check.out + check.err, QByteArray()) << (check.out + check.err).toStdString();
    }

    EXPECT_TRUE(QFileInfo::exists(Installed(QStringLiteral("bin/") + DesktopKey(text, QStringLiteral("TryExec")))));

    const QString icon = DesktopKey(text, QStringLiteral("Icon"));
    EXPECT_EQ(icon, QLatin1String(kAppId));
    // Every size the source tree draws is installed under the application id.
    const QDir sizes(QStringLiteral(VANDOR_SOURCE_DIR "/res/icons/hicolor"));
    const QStringList drawn = sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(drawn.isEmpty());
    for (const QString& size : drawn) {
        const QString png = Data(QStringLiteral("icons/hicolor/%1/apps/%2.png").arg(size, icon));
        EXPECT_TRUE(QFileInfo::exists(png)) << png.toStdString();
    }

    // The program starts with an empty board whatever it is given, so the
    // entry must not offer itself as the opener of puzzle files.
    EXPECT_EQ(DesktopKey(text, QStringLiteral("MimeType")), QString());
    EXPECT_EQ(DesktopKey(text, QStringLiteral("Exec")), QStringLiteral("vandor"));
}

TEST_F(InstallTest, PuzzleFilesAreKnownByTheirExtension)
{
    const QString xml = Read(Data(QStringLiteral("mime/packages/%1.xml").arg(QLatin1String(kAppId))));
    EXPECT_TRUE(xml.contains(QStringLiteral("type=\"application/x-vandor-puzzle\"")));
    EXPECT_TRUE(xml.contains(QStringLiteral("pattern=\"*.vdr\"")));

    // The install refreshed the prefix's MIME database from that XML.
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database (shared-mime-info) is not installed";
    const QString globs = Read(Data(QStringLiteral("mime/globs2")));
    EXPECT_TRUE(globs.contains(QStringLiteral("application/x-vandor-puzzle:*.vdr"))) << globs.toStdString();
}

TEST_F(InstallTest, ManPageDescribesTheCommandLineProgram)
{
    const QString page = Read(Data(QStringLiteral("man/man1/vandor-cli.1")));
    ASSERT_FALSE(page.isEmpty());
    EXPECT_TRUE(page.startsWith(QStringLiteral(".TH VANDOR-CLI 1")) || page.contains(QStringLiteral("\n.TH VANDOR-CLI 1")));
    for (const char* command : {"solve", "show", "convert", "print"})
        EXPECT_TRUE(page.contains(QString::fromLatin1(command))) << command;
}

}  // namespace
