// Lifetime of forms in the model: loading, showing, unloading, loading again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/headless/headless_backend.h"

namespace forms {
namespace {

class LoggingForm : public Form {
public:
    LoggingForm(Application& app, std::vector<std::string>& log) : Form(app), log_(log) {}
    void Form_Load() override {
        log_.push_back("Load");
        loadSawLabelPeer = lblText.GetPeer() != nullptr;
    }
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override {
        log_.push_back("QueryUnload " + std::to_string(static_cast<int>(mode)));
        cancel = cancelQuery;
    }
    void Form_Unload(bool& cancel) override {
        log_.push_back("Unload");
        cancel = cancelUnload;
    }
    Label lblText{*this};
    bool cancelQuery = false;
    bool cancelUnload = false;
    bool loadSawLabelPeer = false;

private:
    std::vector<std::string>& log_;
};

class FormLifetimeTest : public ::testing::Test {
protected:
    headless::Backend backend;
    Application app{backend};
    std::vector<std::string> log;
    LoggingForm form{app, log};
};

// The form's window comes with the loading; its controls' windows come with
// the first showing, in the state the loading left them in.
TEST_F(FormLifetimeTest, LoadRunsOnceOnTheFirstTouchAndControlsGetWindowsWhenShown) {
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.GetPeer(), nullptr);

    form.Load();
    EXPECT_NE(form.GetPeer(), nullptr);
    EXPECT_EQ(form.lblText.GetPeer(), nullptr);
    form.lblText.SetFocus();  // remembered until the window is there
    EXPECT_EQ(backend.Focused(), nullptr);
    form.Show();
    EXPECT_NE(form.lblText.GetPeer(), nullptr);
    EXPECT_EQ(backend.Focused(), &form.lblText);
    form.Load();
    form.Hide();
    form.Show();

    EXPECT_EQ(log, std::vector<std::string>{"Load"});
    EXPECT_FALSE(form.loadSawLabelPeer);
    EXPECT_TRUE(form.Showing());
    EXPECT_EQ(app.LoadedForms(), std::vector<Form*>{&form});
}

TEST_F(FormLifetimeTest, LoadKeepsTheFormHiddenAndHideKeepsItLoaded) {
    form.Load();
    EXPECT_TRUE(form.Loaded());
    EXPECT_FALSE(form.Showing());
    form.Show();
    form.SetVisible(false);
    EXPECT_TRUE(form.Loaded());
    EXPECT_FALSE(form.Visible());
    form.SetVisible(true);
    EXPECT_TRUE(form.Showing());
}

TEST_F(FormLifetimeTest, UnloadAsksQueryUnloadThenUnloadAndDropsThePeers) {
    form.Show();
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "QueryUnload 1", "Unload"}));
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.GetPeer(), nullptr);
    EXPECT_EQ(form.lblText.GetPeer(), nullptr);
    EXPECT_TRUE(app.LoadedForms().empty());
    // Unloading a form that is not loaded asks nobody.
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(FormLifetimeTest, CancelInQueryUnloadOrUnloadKeepsTheForm) {
    form.Show();
    form.cancelQuery = true;
    EXPECT_FALSE(form.Unload(UnloadMode::FormControlMenu));
    form.cancelQuery = false;
    form.cancelUnload = true;
    EXPECT_FALSE(form.Unload());

    EXPECT_EQ(log, (std::vector<std::string>{"Load", "QueryUnload 0", "QueryUnload 1", "Unload"}));
    EXPECT_TRUE(form.Showing());
    EXPECT_NE(form.GetPeer(), nullptr);

    form.cancelUnload = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.Loaded());
}

TEST_F(FormLifetimeTest, LoadingAgainAfterUnloadRunsFormLoadAgain) {
    form.Show();
    form.Unload();
    form.lblText.SetCaption("neu");  // the model keeps properties while unloaded
    form.Show();
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "QueryUnload 1", "Unload", "Load"}));
    EXPECT_TRUE(form.Showing());
    EXPECT_NE(form.lblText.GetPeer(), nullptr);
    EXPECT_EQ(form.lblText.Caption(), "neu");
}

TEST_F(FormLifetimeTest, CloseRequestUnloadsWithTheControlMenuMode) {
    form.Show();
    form.RaiseCloseRequest();
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "QueryUnload 0", "Unload"}));
    EXPECT_FALSE(form.Loaded());
}

TEST_F(FormLifetimeTest, TopMostShowsALoadedFormButDoesNotLoadOne) {
    form.SetTopMost(true);
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(form.Visible());

    form.Load();
    EXPECT_FALSE(form.Showing());
    form.SetTopMost(true);
    EXPECT_TRUE(form.Showing());
    EXPECT_TRUE(form.TopMost());
    form.SetTopMost(false);
    EXPECT_TRUE(form.Showing());
    EXPECT_FALSE(form.TopMost());
}

TEST_F(FormLifetimeTest, ControlsAddedToALoadedFormGetWindowsWithTheForms) {
    form.Load();
    Label hidden(form);
    Timer timer(form);
    TextBox box(form);
    box.SetFocus();
    EXPECT_EQ(hidden.GetPeer(), nullptr);
    EXPECT_NE(timer.GetPeer(), nullptr) << "timers run from the loading";
    EXPECT_EQ(form.Controls().back(), &box);

    // Painting on a box of a loaded form keeps what was painted.
    PictureBox surface(form);
    surface.PaintPicture(headless::Backend::MakePicture(2, 2, "p"), 0, 0);
    EXPECT_EQ(headless::Backend::DrawCalls(surface).size(), 1u);

    form.Show();
    EXPECT_NE(hidden.GetPeer(), nullptr);
    EXPECT_EQ(backend.Focused(), &box) << "the focus asked for before the showing";
    Label late(form);
    EXPECT_NE(late.GetPeer(), nullptr);
}

TEST_F(FormLifetimeTest, CenterOnLoadPlacesTheFormInTheMiddleOfTheScreen) {
    form.SetCenterOnLoad(true);
    form.Move(0, 0, 6000, 3000);
    form.Load();
    EXPECT_EQ(form.Left(), (app.ScreenWidth() - 6000) / 2);
    EXPECT_EQ(form.Top(), (app.ScreenHeight() - 3000) / 2);
}

TEST_F(FormLifetimeTest, ClientSizeAddsTheFrameOfTheBorderStyle) {
    form.SetBorderStyle(BorderStyle::FixedSingle);
    form.SetClientSize(6000, 3000);
    EXPECT_EQ(form.Width(), 6000 + 6 * 15);
    EXPECT_EQ(form.Height(), 3000 + 25 * 15);
    EXPECT_EQ(form.ScaleWidth(), 6000);
    EXPECT_EQ(form.ScaleHeight(), 3000);

    form.SetBorderStyle(BorderStyle::None);
    form.SetClientSize(6975, 1515);
    EXPECT_EQ(form.Width(), 6975);
    EXPECT_EQ(form.Height(), 1515);
}

TEST_F(FormLifetimeTest, ShowModalShowsTheFormAndRecordsIt) {
    backend.onModal = [&](Form& shown) {
        EXPECT_TRUE(shown.Showing());
        shown.Hide();
    };
    form.ShowModal();
    ASSERT_EQ(backend.modalCalls.size(), 1u);
    EXPECT_EQ(backend.modalCalls[0].form, &form);
    EXPECT_TRUE(backend.modalCalls[0].closed);
    EXPECT_TRUE(form.Loaded());

    backend.onModal = nullptr;  // nobody closes it
    form.ShowModal();
    EXPECT_FALSE(backend.modalCalls[1].closed);
}

}  // namespace
}  // namespace forms
