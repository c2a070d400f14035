#include "dialogs/ReasonTexts.h"

#include <cerrno>
#include <cstring>

namespace {

// A character of the input: 'x' when printable, otherwise its byte.
QString Char(long long byte)
{
    const auto u = static_cast<unsigned char>(byte);
    if (u >= 0x21 && u <= 0x7e)
        return QStringLiteral("'%1'").arg(QChar(u));
    return QStringLiteral("0x%1").arg(u, 2, 16, QChar('0'));
}

QString Found(const std::string& text) { return QString::fromStdString(text); }

QString At(const ReadError& e) { return QStringLiteral("%1行目: ").arg(e.line); }

QString Cell(const ReadError& e) { return QStringLiteral("%1行目 %2番目のマス: ").arg(e.line).arg(e.column); }

QString Colour(long long colour) { return colour == 1 ? QStringLiteral("白") : QStringLiteral("黒"); }

QString SystemReason(long long errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(static_cast<int>(errorNumber)));
}

QString FileMessage(const ReadError& e)
{
    switch (e.problem) {
    case ReadProblem::CannotOpen:
        return e.value == ENOENT ? QStringLiteral("ファイルが見つかりません。")
               : e.value == EACCES ? QStringLiteral("ファイルを読む権限がありません。")
                                   : QStringLiteral("ファイルを開けません（%1）。").arg(SystemReason(e.value));
    case ReadProblem::CannotRead:
        return e.value == EISDIR ? QStringLiteral("フォルダーは読み込めません。")
                                 : QStringLiteral("ファイルを読めません（%1）。").arg(SystemReason(e.value));
    case ReadProblem::NotRegularFile: return QStringLiteral("通常のファイルではありません。");
    case ReadProblem::TooLarge: return QStringLiteral("問題のファイルとしては大きすぎます（1 MiB 超）。");
    default: return QString();
    }
}

QString BoardMessage(const ReadError& e)
{
    switch (e.problem) {
    case ReadProblem::NoRows: return QStringLiteral("盤面がありません。");
    case ReadProblem::BadCharacter:
        return QStringLiteral("%1行目 %2文字目: 使えない文字 %3 があります。").arg(e.line).arg(e.column).arg(Char(e.value));
    case ReadProblem::RowSize:
        return At(e) + QStringLiteral("1行のマスの数 %1 は %2～%3 ではありません。").arg(e.value).arg(e.low).arg(e.high);
    case ReadProblem::RowsDiffer:
        return At(e) + QStringLiteral("マスが %1 個あり、1行目の %2 個と違います。").arg(e.value).arg(e.expected);
    case ReadProblem::TooManyRows: return At(e) + QStringLiteral("行が %1 行より多くあります。").arg(e.high);
    case ReadProblem::TooFewRows:
        return QStringLiteral("行の数 %1 は %2～%3 ではありません。").arg(e.value).arg(e.low).arg(e.high);
    case ReadProblem::BoardSize:
        return QStringLiteral("%1×%2 の盤面は開けません。横ｻｲｽﾞ・縦ｻｲｽﾞは %3～%4 です。")
            .arg(e.width)
            .arg(e.height)
            .arg(e.low)
            .arg(e.high);
    case ReadProblem::NotAStone:
        return QStringLiteral("マス %1,%2 の値 %3 は石ではありません。").arg(e.column).arg(e.line).arg(e.value);
    default: return QString();
    }
}

QString UrlMessage(const ReadError& e)
{
    switch (e.problem) {
    case ReadProblem::NoUrl: return QStringLiteral("URLが入力されていません。");
    case ReadProblem::NotAUrl: return QStringLiteral("問題のURL（https://puzz.link/p?yinyang/...）ではありません。");
    case ReadProblem::NoQuery: return QStringLiteral("URLの「?」の後に問題がありません。");
    case ReadProblem::NoGenre: return QStringLiteral("URLの「?」の後にパズルの種類がありません。");
    case ReadProblem::WrongGenre:
        return QStringLiteral("「%1」のURLです。しろまるくろまる（yinyang）のURLではありません。").arg(Found(e.text));
    case ReadProblem::NoSize: return QStringLiteral("URLに盤面のサイズがありません。");
    case ReadProblem::NoRowCount: return QStringLiteral("URLに横のマスの数（%1）はありますが、縦の数がありません。").arg(Found(e.text));
    case ReadProblem::UrlSize:
        return QStringLiteral("URLの盤面のサイズ %1×%2 は読めません。横・縦は 1～%3 です。")
            .arg(Found(e.text), Found(e.text2))
            .arg(e.high);
    case ReadProblem::BadUrlCharacter:
        return QStringLiteral("URLの %1 文字目に使えない文字 %2 があります。").arg(e.column).arg(Char(e.value));
    default: return QString();
    }
}

QString Pzprv3Message(const ReadError& e)
{
    switch (e.problem) {
    case ReadProblem::EmptyPzprv3: return QStringLiteral("ファイルが空です。");
    case ReadProblem::NoMagic: return QStringLiteral("1行目が pzprv3 ではありません（%1）。").arg(Found(e.text));
    case ReadProblem::NoGenreLine: return QStringLiteral("2行目のパズルの種類がありません。");
    case ReadProblem::WrongGenreLine:
        return QStringLiteral("「%1」のファイルです。しろまるくろまる（yinyang）のファイルではありません。").arg(Found(e.text));
    case ReadProblem::BadRowCount:
        return QStringLiteral("3行目の縦のマスの数（1～%1）が読めません（%2）。").arg(e.high).arg(Found(e.text));
    case ReadProblem::BadColumnCount:
        return QStringLiteral("4行目の横のマスの数（1～%1）が読めません（%2）。").arg(e.high).arg(Found(e.text));
    case ReadProblem::EndsEarly:
        return At(e) + QStringLiteral("問題 %1 行と解答 %1 行の前にファイルが終わっています。").arg(e.value);
    case ReadProblem::CellCount:
        return At(e) + QStringLiteral("マスが %1 個あります。横のマスの数は %2 です。").arg(e.value).arg(e.expected);
    case ReadProblem::BadToken: return Cell(e) + QStringLiteral("「%1」は 1、2、. のどれでもありません。").arg(Found(e.text));
    case ReadProblem::AnswerOnGiven:
        return Cell(e) + QStringLiteral("解答が問題の%1石の上に%2石を置いています。").arg(Colour(e.expected), Colour(e.value));
    default: return QString();
    }
}

QString VdrMessage(const ReadError& e)
{
    switch (e.problem) {
    case ReadProblem::EmptyFile: return QStringLiteral("ファイルが空です。");
    case ReadProblem::TooShort:
    case ReadProblem::EndsAt26: return QStringLiteral("ファイルが途中で終わっています。");
    case ReadProblem::BadMode: return QStringLiteral("モードの値 %1 が正しくありません。").arg(e.value);
    case ReadProblem::BadFileSize:
        return QStringLiteral("盤面のサイズ %1×%2 が %3～%4 ではありません。").arg(e.width).arg(e.height).arg(e.low).arg(e.high);
    case ReadProblem::BadEmptyCount: return QStringLiteral("空きマスの数 %1 が正しくありません。").arg(e.value);
    case ReadProblem::BadUndoCount: return QStringLiteral("戻せる手の数 %1 が正しくありません。").arg(e.value);
    case ReadProblem::BadCellCode:
    case ReadProblem::BorderNotWall:
        return QStringLiteral("マス %1,%2 の値 %3 が正しくありません。").arg(e.column).arg(e.line).arg(e.value);
    case ReadProblem::WouldStore26: return QStringLiteral("この盤面は保存できない値を含んでいます。");
    default: return QString();
    }
}

}  // namespace

QString ReadErrorMessage(const ReadError& e)
{
    for (auto part : {FileMessage, BoardMessage, UrlMessage, Pzprv3Message, VdrMessage}) {
        const QString text = part(e);
        if (!text.isEmpty())
            return text;
    }
    return QStringLiteral("読み込めませんでした。");
}

QString WriteErrorMessage(const WriteError& e)
{
    switch (e.failure) {
    case WriteFailure::NoSuchFolder: return QStringLiteral("保存先のフォルダーが見つかりません。");
    case WriteFailure::PermissionDenied: return QStringLiteral("保存先に書き込む権限がありません。");
    case WriteFailure::ReadOnlyFileSystem: return QStringLiteral("保存先は読み取り専用です。");
    case WriteFailure::DiskFull: return QStringLiteral("ディスクの空き容量が足りません。");
    case WriteFailure::NameTooLong: return QStringLiteral("ファイル名が長すぎます。");
    case WriteFailure::NotRegularFile: return QStringLiteral("保存先は通常のファイルではありません。");
    case WriteFailure::NotAFileName: return QStringLiteral("ファイル名がありません。");
    case WriteFailure::InvalidPuzzle: return QStringLiteral("この盤面は保存できない値を含んでいます。");
    default:
        return e.errorNumber != 0 ? QStringLiteral("システムのエラーです（%1）。").arg(SystemReason(e.errorNumber))
                                  : QStringLiteral("保存できませんでした。");
    }
}

QString ReadWarningMessage(ReadWarning warning)
{
    switch (warning) {
    case ReadWarning::ShortBody: return QStringLiteral("URLのデータが盤面より短いため、残りのマスを空にしました");
    case ReadWarning::ExtraData: return QStringLiteral("URLの余分なデータを無視しました");
    default: return QString();
    }
}

QString GradeName(int grade)
{
    static const char* const kNames[] = {"入門", "初級", "中級", "上級", "最上級"};
    return grade >= 1 && grade <= 5 ? QString::fromUtf8(kNames[grade - 1]) : QString();
}
