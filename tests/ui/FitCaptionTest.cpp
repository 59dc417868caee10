// A caption too long for its button is shortened; its full text, a template's name as
// the user wrote it, stays readable in the tool tip.
#include "ui/FitCaption.h"

#include <QPushButton>
#include <QTextDocument>

#include <gtest/gtest.h>

TEST(FitCaption, ACutCaptionIsShownWholeAndAsWrittenInItsToolTip)
{
    for (const QString &name : {QStringLiteral("<font size=7 color=red>PAID</font> Articles of incorporation"),
                                QStringLiteral("Bylaws && minutes of the first meeting of the board")}) {
        QPushButton button(name);
        button.resize(60, 24);
        ui::elideCaption(&button);
        EXPECT_NE(button.text(), name);
        QTextDocument shown;
        shown.setHtml(button.toolTip());
        EXPECT_EQ(shown.toPlainText(), ui::shownCaption(name));
    }
}
