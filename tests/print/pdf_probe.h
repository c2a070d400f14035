// Running the command-line tools the print tests rely on: the built
// vandor-cli and poppler's pdfinfo and pdftoppm.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include "page_probe.h"

namespace probe {

struct RunResult {
    bool started = false;
    int exitCode = -1;
    QByteArray out, err;
};

inline RunResult Run(const QString& program, const QStringList& args, const QByteArray& input = {},
                     const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    RunResult r;
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForStarted())
        return r;
    r.started = true;
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

inline bool HavePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The value of one "Name: value" line of pdfinfo's report.
inline QString PdfInfo(const QString& pdf, const QString& field)
{
    const RunResult r = Run(QStringLiteral("pdfinfo"), {pdf});
    for (const QByteArray& line : r.out.split('\n'))
        if (line.startsWith(field.toUtf8() + ':'))
            return QString::fromUtf8(line.mid(field.size() + 1)).trimmed();
    return {};
}

// The first page of a PDF at ten pixels to the millimetre, in grey.
inline PageImage RasterisePdf(const QString& pdf, const QString& prefix)
{
    PageImage page;
    page.scale = 1.0;
    const RunResult r = Run(QStringLiteral("pdftoppm"),
                            {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
                             QStringLiteral("-singlefile"), pdf, prefix});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    page.image.load(prefix + QStringLiteral(".pgm"));
    return page;
}

}  // namespace probe
