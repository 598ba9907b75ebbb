#include "main_window_fixture.h"
#include "platform/single_instance.h"

#include <QSignalSpy>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace orvelle;
using namespace orvelle::test;

TEST(SingleInstance, SecondClaimFailsAndActivatesTheFirst)
{
    // A folder of its own, so no other copy of this test, run beside it, holds the claim.
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", oldRuntime); });
    SingleInstance first;
    ASSERT_TRUE(first.Claim());
    QSignalSpy activations(&first, &SingleInstance::ActivationRequested);
    {
        SingleInstance second;
        EXPECT_FALSE(second.Claim()); // both in one thread: it gives up waiting after two seconds
    }
    EXPECT_TRUE(activations.count() == 1 || activations.wait(2000));
    EXPECT_EQ(activations.count(), 1);
}

TEST_F(MainWindowTest, ActivationRestoresAMinimisedWindowButNotAHiddenOne)
{
    form->showMinimized();
    QTest::qWait(50);
    form->Activate();
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(form->isVisible());
    form->hide();
    form->Activate();
    EXPECT_FALSE(form->isVisible()) << "a window hidden in the tray stays hidden";
}
