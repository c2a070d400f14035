// The window is never smaller than the board and its buttons need, for the
// size it was last fitted to.
#include "mouse_view_fixture.h"

#include <QDialog>
#include <QLineEdit>

#include "dialogs/Dialogs.h"

TEST_F(MouseViewFixture, WindowCannotBeMadeSmallerThanTheFittedSize)
{
    Show();  // 9 x 9
    view->resize(200, 150);
    Settle();
    EXPECT_EQ(view->frameGeometry().size(), QSize(geom::WindowWidth(9), geom::WindowHeight(9)));

    // A smaller board lowers the limit, a larger one raises it.
    for (const auto& [w, h] : {std::pair{5, 6}, std::pair{15, 15}}) {
        guitest::WhenModalOpens([w = w, h = h](QWidget* dlg) {
            auto* size = qobject_cast<CSizeDlg*>(dlg);
            ASSERT_NE(size, nullptr);
            size->findChild<QLineEdit*>(QStringLiteral("widthEdit"))->setText(QString::number(w));
            size->findChild<QLineEdit*>(QStringLiteral("heightEdit"))->setText(QString::number(h));
            size->accept();
        });
        view->OnBoardSize();
        Settle();
        const QSize fitted(geom::WindowWidth(w), geom::WindowHeight(h));
        EXPECT_EQ(view->frameGeometry().size(), fitted);
        view->resize(100, 100);
        Settle();
        EXPECT_EQ(view->frameGeometry().size(), fitted);
    }
}
