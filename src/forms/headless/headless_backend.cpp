#include "forms/headless/headless_backend.h"

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
    // Like Windows, a disabled window takes no focus, and a window that has
    // it already gets no second GotFocus.
    if (!control.Enabled() || !control.Parent().Enabled()) return;
    if (control.Kind() == ControlKind::Timer) return;
    if (focused_ == &control) return;
    focused_ = &control;
    control.RaiseGotFocus();
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

int Backend::MsgBox(const std::string& text, int style, const std::string& title) {
    messageBoxes.push_back({text, style, title});
    if (msgBoxAnswers.empty()) return mb::Ok;
    const int answer = msgBoxAnswers.front();
    msgBoxAnswers.pop_front();
    return answer;
}

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
    return {2 * border * kTwipsPerPixel, (2 * border + caption) * kTwipsPerPixel};
}

// ---- Peer ------------------------------------------------------------------------------------

Peer::Peer(Backend& backend, Control& control) : backend_(backend), control_(control) {
    backend_.Register(this);
}

Peer::~Peer() { backend_.Unregister(this); }

void Peer::Update(Property property) {
    updates_.push_back(property);
    if (property == Property::Interval || property == Property::Enabled) timerElapsed_ = 0;
}

void Peer::SetFocus() { backend_.Focus(*this); }

void Peer::PaintPicture(const Picture& picture, Twips x, Twips y) {
    draws_.push_back({picture, x, y});
}

void Peer::Cls() { draws_.clear(); }

}  // namespace forms::headless
