#include "dialogs/DialogTemplate.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include <algorithm>

QFont DialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSize(9);
    return font;
}

DialogUnits::DialogUnits(const QFont& font)
{
    // The average width is taken over the 52 Latin letters, rounded, as
    // dialog base units have always been measured. The font's own average
    // (QFontMetrics::averageCharWidth) is much narrower for Japanese fonts
    // and would cut off the texts.
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseWidth = std::max(1, (letters / 26 + 1) / 2);
    m_baseHeight = std::max(1, fm.height());
}

int DialogUnits::X(int du) const
{
    return (du * m_baseWidth * 2 + 4) / 8;  // du * base / 4, rounded
}

int DialogUnits::Y(int du) const
{
    return (du * m_baseHeight * 2 + 8) / 16;  // du * base / 8, rounded
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

DialogUnits SetUpDialog(QDialog& dlg, const QString& title)
{
    dlg.setFont(DialogFont());
    dlg.setWindowTitle(title);
    dlg.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
    dlg.setSizeGripEnabled(false);
    return DialogUnits(dlg.font());
}

QLabel* AddStaticText(QDialog& dlg, const DialogUnits&, QRect box, const QString& text)
{
    auto* label = new QLabel(text, &dlg);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(false);
    const QFontMetrics fm(label->font());
    box.setWidth(std::max(box.width(), fm.horizontalAdvance(text)));
    box.setHeight(std::max(box.height(), fm.height()));
    label->setGeometry(box);
    return label;
}

QLabel* AddErrorText(QDialog& dlg, QRect box)
{
    auto* label = new QLabel(&dlg);
    label->setObjectName(QStringLiteral("errorText"));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #c00000"));
    label->setGeometry(box);
    return label;
}

QPushButton* AddPushButton(QDialog& dlg, const DialogUnits&, QRect box, const QString& text,
                           bool isDefault)
{
    auto* button = new QPushButton(text, &dlg);
    button->setDefault(isDefault);
    button->setGeometry(box);
    return button;
}

void FixDialogSize(QDialog& dlg, const DialogUnits& du, int widthDu, int heightDu)
{
    int width = du.X(widthDu);
    int height = du.Y(heightDu);
    const int margin = du.X(4);
    for (const QWidget* child : dlg.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        width = std::max(width, child->geometry().right() + 1 + margin);
        height = std::max(height, child->geometry().bottom() + 1 + margin);
    }
    dlg.setFixedSize(width, height);
}
