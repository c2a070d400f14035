// Builds the fixed dialogs from their templates. Positions and sizes are in
// dialog units: a quarter of the dialog font's average character width across
// and an eighth of its height down, so a layout keeps its proportions with
// whatever the font measures on this machine.
#pragma once

#include <QFont>
#include <QRect>

class QDialog;
class QLabel;
class QPushButton;
class QString;

// The 9-point Japanese UI font every dialog uses.
QFont DialogFont();

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int du) const;
    int Y(int du) const;
    QRect Rect(int x, int y, int width, int height) const;

    int baseWidth() const { return m_baseWidth; }
    int baseHeight() const { return m_baseHeight; }

private:
    int m_baseWidth;
    int m_baseHeight;
};

// Gives the dialog its font, caption and frame (caption, close box, no
// resizing). Call FixDialogSize once every control is in place.
DialogUnits SetUpDialog(QDialog& dlg, const QString& title);

// A left-aligned, top-aligned single line of plain text. If the text is wider
// than its box in this font, the box grows so nothing is cut off.
QLabel* AddStaticText(QDialog& dlg, const DialogUnits& du, QRect box, const QString& text);

// An empty, word-wrapped red label (object name "errorText") where a dialog
// says why the last input was refused.
QLabel* AddErrorText(QDialog& dlg, QRect box);

QPushButton* AddPushButton(QDialog& dlg, const DialogUnits& du, QRect box, const QString& text,
                           bool isDefault);

// Fixes the client size at the template's size, or larger when a control
// had to grow past the template's right or bottom edge.
void FixDialogSize(QDialog& dlg, const DialogUnits& du, int widthDu, int heightDu);
