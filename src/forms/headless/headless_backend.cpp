#include "forms/headless/headless_backend.h"

#include "forms/common_controls.h"
#include "forms/menu.h"

#include <algorithm>

namespace forms::headless {

Picture Backend::MakePicture(int widthPixels, int heightPixels, std::string source) {
    auto data = std::make_shared<PictureData>();
    data->widthPixels = widthPixels;
    data->heightPixels = heightPixels;
    data->source = std::move(source);
    data->format = "fake";
    return Picture(std::move(data));
}

Peer* Backend::PeerOf(const Control& control) { return dynamic_cast<Peer*>(control.GetPeer()); }

std::vector<DrawCall> Backend::DrawCalls(const Control& control) {
    const Peer* peer = PeerOf(control);
    return peer ? peer->Draws() : std::vector<DrawCall>{};
}

// ---- Peers and focus -----------------------------------------------------------

std::unique_ptr<forms::Peer> Backend::CreatePeer(Control& control) {
    return std::make_unique<Peer>(*this, control);
}

void Backend::Register(Peer* peer) { peers_.push_back(peer); }

void Backend::Unregister(Peer* peer) {
    peers_.erase(std::remove(peers_.begin(), peers_.end(), peer), peers_.end());
    if (focused_ == &peer->GetControl()) focused_ = nullptr;
}

bool Backend::IsLive(const Peer* peer) const {
    return std::find(peers_.begin(), peers_.end(), peer) != peers_.end();
}

void Backend::Focus(Peer& peer) {
    Control& control = peer.GetControl();
    // Like Windows, a disabled or hidden window takes no focus (nor one
    // inside a disabled or hidden container), and a window that has it
    // already gets no second GotFocus.
    if (control.Kind() == ControlKind::Form) {
        if (!control.Enabled()) return;
    } else if (!control.Reachable() || !control.Parent().Enabled()) {
        return;
    }
    if (control.Kind() == ControlKind::Timer || control.Kind() == ControlKind::Menu) return;
    if (focused_ == &control) return;
    focused_ = &control;
    control.RaiseGotFocus();
}

void Backend::FocusByUser(Control& control) {
    if (Peer* peer = PeerOf(control)) Focus(*peer);
}

// Like Windows, the focus does not stay in a control that was hidden or
// disabled (itself or its container): it moves on to the next control that
// Tab reaches, or nowhere when there is none. The program caused the move.
void Backend::KeepFocusReachable() {
    Control* focused = focused_;
    if (!focused || focused->Kind() == ControlKind::Form || focused->Reachable()) return;
    focused_ = nullptr;
    const Form::ProgramFocus byProgram(focused->Parent());
    const std::vector<Control*> order = focused->Parent().TabOrder();
    const auto at = std::find(order.begin(), order.end(), focused);
    if (at == order.end()) return;
    const auto from = static_cast<std::size_t>(at - order.begin());
    for (std::size_t step = 1; step < order.size(); ++step) {
        Control* next = order[(from + step) % order.size()];
        Peer* peer = PeerOf(*next);
        if (!peer || !next->StopsTab() || !next->Reachable()) continue;
        Focus(*peer);
        if (focused_) return;
    }
}

// ---- Program flow -------------------------------------------------------------------

void Backend::Run() { ++runCalls; }

void Backend::RunModal(Form& form) {
    const std::size_t index = modalCalls.size();
    modalCalls.push_back({&form, form.Name(), false});
    if (onModal) {
        // A copy, so that the callback may replace onModal while it runs.
        const auto callback = onModal;
        callback(form);
    }
    modalCalls[index].closed = !form.Showing();
}

void Backend::End() { ended = true; }

void Backend::DoEvents() {
    ++doEventsCalls;
    if (onDoEvents) {
        // A copy: the handler may replace itself.
        const auto handler = onDoEvents;
        handler();
    }
}

int Backend::MsgBox(const std::string& text, int style, const std::string& title) {
    messageBoxes.push_back({text, style, title});
    if (msgBoxAnswers.empty()) return mb::Ok;
    const int answer = msgBoxAnswers.front();
    msgBoxAnswers.pop_front();
    return answer;
}

namespace {

// The next scripted answer; nothing (cancel) when none is left.
template <class T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace

std::optional<std::string> Backend::ShowFileDialog(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (onFileDialog) onFileDialog(request);
    return NextAnswer(fileDialogAnswers);
}

std::optional<Color> Backend::ShowColorDialog(const ColorDialogRequest& request) {
    colorDialogs.push_back(request);
    if (onColorDialog) onColorDialog(request);
    return NextAnswer(colorDialogAnswers);
}

std::optional<FontChoice> Backend::ShowFontDialog(const FontDialogRequest& request) {
    fontDialogs.push_back(request);
    if (onFontDialog) onFontDialog(request);
    return NextAnswer(fontDialogAnswers);
}

std::optional<std::string> Backend::BrowseForFolder(const FolderDialogRequest& request) {
    folderDialogs.push_back(request);
    if (!onFolderDialog) return std::nullopt;
    FolderDialogState dialog;
    // A copy, so that the script may replace itself while it runs.
    const auto script = onFolderDialog;
    return script(request, dialog);
}

std::optional<Picture> Backend::ProgramIcon() { return MakePicture(32, 32, "program icon"); }

std::optional<Picture> Backend::ShellIcon(const std::string& path, bool small, Color background) {
    shellIconCalls.push_back({path, small, background});
    if (!shellIcon) return std::nullopt;
    return shellIcon(path, small);
}

// ---- Timers ---------------------------------------------------------------------------

namespace {

bool TimerRunning(const Control& control) {
    if (control.Kind() != ControlKind::Timer) return false;
    const auto& timer = static_cast<const Timer&>(control);
    return timer.Enabled() && timer.Interval() > 0 && timer.Parent().Loaded();
}

}  // namespace

std::vector<Timer*> Backend::RunningTimers() const {
    std::vector<Timer*> timers;
    for (Peer* peer : peers_) {
        Control& control = peer->GetControl();
        if (TimerRunning(control)) timers.push_back(static_cast<Timer*>(&control));
    }
    return timers;
}

void Backend::FireTimers() {
    // A Tick may unload forms (and so drop peers); every timer is checked
    // again right before it fires.
    const std::vector<Peer*> snapshot = peers_;
    for (Peer* peer : snapshot) {
        if (!IsLive(peer) || !TimerRunning(peer->GetControl())) continue;
        peer->timerElapsed_ = 0;
        static_cast<Timer&>(peer->GetControl()).RaiseTimer();
    }
}

void Backend::AdvanceTime(int milliseconds) {
    for (int step = 0; step < milliseconds; ++step) {
        const std::vector<Peer*> snapshot = peers_;
        for (Peer* peer : snapshot) {
            if (!IsLive(peer) || !TimerRunning(peer->GetControl())) continue;
            auto& timer = static_cast<Timer&>(peer->GetControl());
            if (++peer->timerElapsed_ < timer.Interval()) continue;
            peer->timerElapsed_ = 0;
            timer.RaiseTimer();
        }
    }
}

// ---- Frame ---------------------------------------------------------------------------------

TextSize Backend::FrameSize(const Form& form) const {
    int border = 0;  // pixels on each side
    switch (form.BorderStyle()) {
        case BorderStyle::None:
            return {};
        case BorderStyle::FixedSingle:
        case BorderStyle::FixedDialog:
            border = 3;
            break;
        case BorderStyle::Sizable:
            border = 4;
            break;
    }
    const int caption = form.TitleBar() ? 19 : 0;
    const int menuBar = form.HasMenuBar() ? 20 : 0;
    return {2 * border * kTwipsPerPixel, (2 * border + caption + menuBar) * kTwipsPerPixel};
}

// ---- Peer ------------------------------------------------------------------------------------

Peer::Peer(Backend& backend, Control& control) : backend_(backend), control_(control) {
    backend_.Register(this);
}

Peer::~Peer() { backend_.Unregister(this); }

void Peer::Update(Property property) {
    updates_.push_back(property);
    if (property == Property::Interval || property == Property::Enabled) timerElapsed_ = 0;
    if (property == Property::Visible || property == Property::Enabled)
        backend_.KeepFocusReachable();
}

void Peer::UpdateItem(ItemChange change, int index) { itemUpdates_.emplace_back(change, index); }

void Peer::SetFocus() { backend_.Focus(*this); }

void Peer::PaintPicture(const Picture& picture, Twips x, Twips y) {
    draws_.push_back({picture, x, y});
}

void Peer::Cls() { draws_.clear(); }

}  // namespace forms::headless

namespace forms {

namespace {

headless::Backend& Headless(Backend& backend) { return static_cast<headless::Backend&>(backend); }

}  // namespace

// Every kind of control gets the same recording peer.
std::unique_ptr<Peer> MakePeer(Backend& b, Form& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, Label& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, CommandButton& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, TextBox& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, PictureBox& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, Timer& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, Frame& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, OptionButton& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, ScrollBar& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, ComboBox& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, Menu& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, Toolbar& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, StatusBar& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, TreeView& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, TabStrip& c) { return Headless(b).CreatePeer(c); }
std::unique_ptr<Peer> MakePeer(Backend& b, ProgressBar& c) { return Headless(b).CreatePeer(c); }

std::optional<std::string> ShowFileDialog(Backend& backend, const FileDialogRequest& request) {
    return Headless(backend).ShowFileDialog(request);
}

std::optional<Color> ShowColorDialog(Backend& backend, const ColorDialogRequest& request) {
    return Headless(backend).ShowColorDialog(request);
}

std::optional<FontChoice> ShowFontDialog(Backend& backend, const FontDialogRequest& request) {
    return Headless(backend).ShowFontDialog(request);
}

std::optional<std::string> BrowseForFolder(Backend& backend, const FolderDialogRequest& request) {
    return Headless(backend).BrowseForFolder(request);
}

}  // namespace forms
