// The About box: its texts, and the two link lines that ask the shell.
#include <gtest/gtest.h>

#include <wx/frame.h>

#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "app/dialogs/AboutForm.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Shell.h"

namespace {

class RecordingShell : public Shell {
 public:
  bool OpenDocument(const std::string& path) override {
    documents.push_back(path);
    return true;
  }
  bool OpenAddress(const std::string& address) override {
    addresses.push_back(address);
    return true;
  }
  std::vector<std::string> documents;
  std::vector<std::string> addresses;
};

class AboutFormTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    parent_ = new wxFrame(nullptr, wxID_ANY, "Tessaro 3D", wxPoint(60, 40), wxSize(478, 399));
    parent_->Show();
    form_ = new TAboutForm(parent_, shell_);
  }
  void TearDown() override {
    form_->Destroy();
    parent_->Destroy();
    PumpEvents();
    ToolkitTest::TearDown();
  }

  void Click(wxWindow& label) {
    wxMouseEvent up(wxEVT_LEFT_UP);
    up.SetEventObject(&label);
    label.GetEventHandler()->ProcessEvent(up);
  }

  RecordingShell shell_;
  wxFrame* parent_ = nullptr;
  TAboutForm* form_ = nullptr;
};

TEST_F(AboutFormTest, ShowingPutsNameAndVersionInTheFirstLine) {
  form_->Label1->SetLabel(wxEmptyString);
  form_->Show();
  PumpEvents();
  EXPECT_EQ(form_->Label1->GetLabel(), "Tessaro 3D 1.01");
  EXPECT_TRUE(form_->Label1->GetFont().GetWeight() >= wxFONTWEIGHT_BOLD);
}

TEST_F(AboutFormTest, ModalShowPutsNameAndVersionToo) {
  form_->Label1->SetLabel(wxEmptyString);
  wxString shown;
  form_->CallAfter([&] {
    shown = form_->Label1->GetLabel();
    form_->Button1Click();
  });
  form_->ShowModal();
  EXPECT_EQ(shown, "Tessaro 3D 1.01");
  EXPECT_FALSE(form_->IsShown());
}

TEST_F(AboutFormTest, WebLineOpensThePage) {
  Click(*form_->Label2);
  ASSERT_EQ(shell_.addresses.size(), 1u);
  EXPECT_EQ(shell_.addresses[0], kWebPage);
  EXPECT_TRUE(shell_.documents.empty());
}

TEST_F(AboutFormTest, MailLineOpensANewMail) {
  Click(*form_->Label3);
  ASSERT_EQ(shell_.addresses.size(), 1u);
  EXPECT_EQ(shell_.addresses[0], std::string("mailto:") + kMailAddress);
}

TEST_F(AboutFormTest, OtherLinesOpenNothing) {
  Click(*form_->Label1);
  Click(*form_->Label5);
  EXPECT_TRUE(shell_.addresses.empty());
}

TEST_F(AboutFormTest, LinkLinesLookLikeLinks) {
  for (wxStaticText* link : {form_->Label2, form_->Label3}) {
    SCOPED_TRACE(link->GetLabel().ToStdString());
    EXPECT_EQ(link->GetForegroundColour(), *wxBLUE);
    EXPECT_TRUE(link->GetFont().GetUnderlined());
    EXPECT_GE(link->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_TRUE(link->GetCursor().IsOk());
  }
  EXPECT_FALSE(form_->Label5->GetFont().GetUnderlined());
}

TEST_F(AboutFormTest, TextsAreTheGamesOwn) {
  EXPECT_EQ(form_->GetTitle(), wxString::FromUTF8("О программе..."));
  EXPECT_EQ(form_->Label5->GetLabel(), wxString::FromUTF8("Трехмерная модель головоломки"));
  EXPECT_EQ(form_->Label2->GetLabel(), kWebPage);
  EXPECT_EQ(form_->Label3->GetLabel(), kMailAddress);
  // Cyrillic O and K, not Latin.
  const wxString ok = form_->Button1->GetLabel();
  ASSERT_EQ(ok.length(), 2u);
  EXPECT_EQ(static_cast<int>(ok[0].GetValue()), 0x041E);
  EXPECT_EQ(static_cast<int>(ok[1].GetValue()), 0x041A);
}

TEST_F(AboutFormTest, OKAndTheTitleBarClose) {
  form_->Show();
  PumpEvents();
  SendCommand(*form_->Button1, wxEVT_BUTTON);
  EXPECT_FALSE(form_->IsShown());
  form_->Show();
  PumpEvents();
  form_->Close();
  PumpEvents();
  EXPECT_FALSE(form_->IsShown());
  EXPECT_TRUE(shell_.addresses.empty());
}

}  // namespace
