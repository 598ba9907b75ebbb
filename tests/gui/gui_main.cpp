// GoogleTest entry for widget tests: one QApplication for the whole run, the program's resources,
// and every modal window answered by the test that expects it.
#include "gui/modal.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(orvelle);
    orvelle::SetModalHook(orvelle::test::AnswerModal);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
