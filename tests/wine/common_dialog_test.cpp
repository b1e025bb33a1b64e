#include "ui/CommonDialog.h"

#include "tests/wine/support/TestSupport.h"

using testing_support::FormTest;

namespace {

class CommonDialogTest : public FormTest {};

TEST_F(CommonDialogTest, PassesTitleFilterAndFlagsAndReturnsTheChosenPath)
{
    seam.dialogAnswers = {L"C:\\data\\report.txt"};
    ui::CommonDialog dialog;
    dialog.DialogTitle = L"Select File Location";
    dialog.Filter = L"Text File (*.txt)|*.txt";
    dialog.Flags = OFN_FILEMUSTEXIST;

    ASSERT_TRUE(dialog.ShowOpen(nullptr));
    EXPECT_EQ(dialog.FileName, L"C:\\data\\report.txt");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_FALSE(seam.dialogs[0].save);
    EXPECT_EQ(seam.dialogs[0].title, L"Select File Location");
    EXPECT_EQ(seam.dialogs[0].filter, L"Text File (*.txt)|*.txt");
    EXPECT_EQ(seam.dialogs[0].flags, static_cast<DWORD>(OFN_FILEMUSTEXIST));
}

TEST_F(CommonDialogTest, SaveDialogIsAskedForAsSave)
{
    seam.dialogAnswers = {L"C:\\list.txt"};
    ui::CommonDialog dialog;
    dialog.Flags = 15;
    ASSERT_TRUE(dialog.ShowSave(nullptr));
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_TRUE(seam.dialogs[0].save);
    EXPECT_EQ(seam.dialogs[0].flags, 15u);
}

TEST_F(CommonDialogTest, CancelKeepsThePathOnlyWhenCancelIsAnError)
{
    ui::CommonDialog raising;
    raising.CancelError = true;
    raising.FileName = L"C:\\before.bin";
    EXPECT_FALSE(raising.ShowOpen(nullptr));
    EXPECT_EQ(raising.FileName, L"C:\\before.bin");

    ui::CommonDialog plain;
    plain.FileName = L"C:\\before.bin";
    EXPECT_FALSE(plain.ShowSave(nullptr));
    EXPECT_EQ(plain.FileName, L"");
}

} // namespace
