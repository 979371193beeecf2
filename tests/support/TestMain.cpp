// Test entry point shared by every test program.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace
{

// Test discovery at build time only lists the tests: it must not need a
// display or a platform plugin, so no application object is made then.
bool onlyListsTests(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    // Checked before GoogleTest consumes its own flags from the arguments.
    const bool listing = onlyListsTests(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app;
    if (!listing)
        app = std::make_unique<QApplication>(argc, argv);
    // User settings (the recent files) go to a folder of this run only.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    return RUN_ALL_TESTS();
}
