// The rules, the operation help texts, the help of the ﾂｰﾙ menu and the About box: fixed text and
// an OK button, nothing else. The ideographic spaces inside the help texts
// line the colons up.
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <vector>

#include "Version.h"
#include "dialogs/DialogTemplate.h"
#include "dialogs/Dialogs.h"
#include "res/Resources.h"

namespace {

// Positions and sizes in dialog units.
struct UnitBox {
    int x, y, width, height;
};

struct TextControl {
    UnitBox box;
    const char16_t* text;
};

struct TextTemplate {
    const char16_t* title;
    int width, height;
    UnitBox okButton;
    std::vector<TextControl> texts;
};

QRect ToPixels(const DialogUnits& du, const UnitBox& b)
{
    return du.Rect(b.x, b.y, b.width, b.height);
}

// The OK button comes first in each template, so it starts with the focus.
void BuildTextDialog(QDialog& dlg, const TextTemplate& t)
{
    const DialogUnits du = SetUpDialog(dlg, QString::fromUtf16(t.title));
    QPushButton* ok = AddPushButton(dlg, du, ToPixels(du, t.okButton), QStringLiteral("OK"), true);
    ok->setObjectName(QStringLiteral("okButton"));
    QObject::connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
    for (const TextControl& c : t.texts)
        AddStaticText(dlg, du, ToPixels(du, c.box), QString::fromUtf16(c.text));
    FixDialogSize(dlg, du, t.width, t.height);
}

const TextTemplate kRules = {
    u"ルール説明", 187, 79, {148, 58, 32, 14},
    {
        {{7, 6, 139, 8}, u"すべてのマスにしろまるかくろまるを入れます．"},
        {{7, 19, 173, 8}, u"・同じ色の２×２マス以上のかたまりができてはいけません．"},
        {{7, 34, 157, 8}, u"・すべてのマスが埋まったとき，しろまるくろまるとも，"},
        {{13, 45, 160, 8}, u"それぞれひとつながりになっていなければなりません．"},
    },
};

const TextTemplate kCreateHelp = {
    u"操作説明（作成時）", 187, 81, {146, 60, 34, 14},
    {
        {{7, 7, 121, 8}, u"マウス左クリック：しろまるをセットします．"},
        {{48, 15, 132, 8}, u"しろまるやくろまるがある場合はクリアします．"},
        {{7, 27, 121, 8}, u"マウス右クリック：くろまるをセットします．"},
        {{7, 51, 124, 8}, u"「全クリア」　　：全ての数をクリアします．"},
        {{7, 65, 132, 8}, u"「解答モードへ」：解答モードへ移行します．"},
        {{48, 38, 132, 8}, u"しろまるやくろまるがある場合はクリアします．"},
    },
};

const TextTemplate kSolveHelp = {
    u"操作説明（解答時）", 187, 107, {151, 86, 29, 14},
    {
        {{7, 7, 121, 8}, u"マウス左クリック：しろまるをセットします．"},
        {{48, 15, 132, 8}, u"しろまるやくろまるがある場合はクリアします．"},
        {{7, 27, 121, 8}, u"マウス右クリック：くろまるをセットします．"},
        {{7, 51, 124, 8}, u"「一つ戻る」　　：一つ前の手順に戻します．"},
        {{7, 65, 154, 8}, u"「最初に戻る」　：解答モードの初期状態に戻ります．"},
        {{48, 38, 132, 8}, u"しろまるやくろまるがある場合はクリアします．"},
        {{7, 78, 117, 8}, u"「自動解答」　　：自動解答を行います．"},
        {{7, 92, 126, 8}, u"「作製モードへ」：作製モードへ移行します．"},
    },
};

// What each item of the ﾂｰﾙ menu does, the keys of keyboard play and what
// the marks on the board mean.
const TextTemplate kToolsHelp = {
    u"ﾂｰﾙの説明", 270, 200, {231, 180, 32, 14},
    {
        {{7, 7, 256, 8}, u"「解の一意性を調べる」：答えがひとつだけかを調べます．決まらないマスに赤い枠．"},
        {{7, 19, 256, 8}, u"「答え合わせ」：解答モードで盤面を調べます．"},
        {{13, 28, 250, 8}, u"同じ色の２×２と分かれた石に赤い枠，答えと違う石に赤い×．"},
        {{7, 40, 256, 8}, u"「ヒント」：次に決まるマスを青い印で示します．"},
        {{7, 52, 256, 8}, u"「URLから読み込む」「URLをコピー」：問題をURLで読み書きします．"},
        {{7, 64, 256, 8}, u"「pzprv3ファイルを読み込む」「pzprv3ファイルに保存」：pzprv3形式で読み書きします．"},
        {{7, 76, 256, 8}, u"「問題を自動作成」：答えがひとつだけの問題を作ります．"},
        {{7, 88, 256, 8}, u"「未確定のマスを常に表示」：作成中，決まらないマスを赤い枠で示し続けます．"},
        {{7, 100, 256, 8}, u"「完成したら知らせる」：盤面を正しく埋めると「正解です」と知らせます．"},
        {{7, 116, 256, 8}, u"矢印キー：カーソル（だいだい色の枠）を動かします．"},
        {{13, 125, 250, 8}, u"スペース：左クリック　Shift+スペース，X：右クリック　Esc：カーソルを消します．"},
        {{7, 141, 256, 8}, u"赤い枠：決まらないマス，ルールに反するマス　赤い×：答えと違う石"},
        {{7, 153, 256, 8}, u"青い印：ヒントのマス　赤い円：自動解答で別解と違うマス"},
    },
};

}  // namespace

CToolsHelpDlg::CToolsHelpDlg(QWidget* parent) : QDialog(parent) { BuildTextDialog(*this, kToolsHelp); }
int CToolsHelpDlg::DoModal() { return exec(); }

CRulesDlg::CRulesDlg(QWidget* parent) : QDialog(parent) { BuildTextDialog(*this, kRules); }
int CRulesDlg::DoModal() { return exec(); }

CCreateHelpDlg::CCreateHelpDlg(QWidget* parent) : QDialog(parent) { BuildTextDialog(*this, kCreateHelp); }
int CCreateHelpDlg::DoModal() { return exec(); }

CSolveHelpDlg::CSolveHelpDlg(QWidget* parent) : QDialog(parent) { BuildTextDialog(*this, kSolveHelp); }
int CSolveHelpDlg::DoModal() { return exec(); }

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    const DialogUnits du = SetUpDialog(*this, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));

    // The icon is shown at its own 32 x 32 size from the top left of its box.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    const QPixmap pixmap(QString::fromLatin1(res::kIcon));
    icon->setPixmap(pixmap);
    const QRect iconBox = du.Rect(7, 25, 18, 21);
    icon->setGeometry(QRect(iconBox.topLeft(), pixmap.isNull() ? iconBox.size() : pixmap.size()));

    const QString title = QStringLiteral("%1　Ver%2").arg(QLatin1String(version::kProgramName),
                                                         QLatin1String(version::kShortVersion));
    AddStaticText(*this, du, du.Rect(7, 7, 85, 8), title);
    AddStaticText(*this, du, du.Rect(34, 26, 62, 8), QStringLiteral("(C) Vandor 開発者"));

    QPushButton* ok = AddPushButton(*this, du, du.Rect(66, 38, 32, 14), QStringLiteral("OK"), true);
    ok->setObjectName(QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    FixDialogSize(*this, du, 109, 59);
}

int CAboutDlg::DoModal() { return exec(); }
