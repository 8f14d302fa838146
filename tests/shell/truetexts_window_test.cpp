// What the window's commands say of themselves, read on their dialogs and boxes: the new well's start
// and name length, where Save As Image and Archive put their files, the note dialog's caption.
#include "app/commandids.h"
#include "entry/entry_services.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/testmain.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;

TEST(TrueTexts, DialogsAndBoxesSayWhatTheProgramDoes)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "A.svm", 1000, 1200).isEmpty());
    app::LogState& s = window.State();
    const QString data = QDir::toNativeSeparators(s.well.file.dataFolder);

    // The new well starts at (start - 20) rounded down to ten metres: 20 to 29 above; 40 characters fit.
    QString rules;
    Dialog::QueueTestScript([&](Dialog& d) {
        rules = d.GetText(107);
        d.Click(platform::IDCANCEL);
    });
    window.EvCommand(app::cmd::New);
    EXPECT_TRUE(rules.contains("Maximum length is 40 characters\n")) << rules.toStdString();
    EXPECT_TRUE(rules.contains("\nFile will start 20 to 29 meters above the depth you enter, on a multiple of 10 "
                               "meters.\n"))
        << rules.toStdString();

    // The images go to "bitmaps/<well>/" of the data folder.
    QString imageText;
    Dialog::QueueTestScript([&](Dialog& d) {
        for (const QLabel* label : d.findChildren<QLabel*>())
            if (label->text().startsWith("After selecting file type"))
                imageText = label->text();
        d.Click(platform::IDCANCEL);
    });
    window.EvCommand(app::cmd::SaveAsImage);
    EXPECT_TRUE(imageText.contains("Files will be saved to " + data + "bitmaps" + QDir::separator() + "A" +
                                   QDir::separator() + ","))
        << imageText.toStdString();
    EXPECT_FALSE(imageText.contains("7000 ft"));

    // Archive names the folder of this machine it writes to; Cancel leaves.
    doubles().prompter.messages.clear();
    doubles().prompter.answers = {platform::IDCANCEL};
    window.EvCommand(app::cmd::Archive);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("zip file (A.zip) in the\n" + data + "archives" +
                                                             QDir::separator() + "A" + QDir::separator() +
                                                             "\ndirectory"))
        << doubles().prompter.messages[0].text.toStdString();

    // The note dialog has a caption of its own, not the program's internal name.
    QString caption;
    Dialog::QueueTestScript([&](Dialog& d) {
        caption = d.windowTitle();
        d.Click(1);  // CLOSE
    });
    window.Neighbours().entry->RunMemoDialog(s, 0);
    EXPECT_EQ(caption, "Note");
}
