#include "net/lockstep_session.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <type_traits>
#include <utility>

namespace Engine::net {

namespace {

std::string Describe(const std::string& version, const std::string& build) {
    return "version " + version + " (build " + build + ")";
}

}  // namespace

LockstepSession::LockstepSession(PeerLink& link, const SessionClock& clock, SessionConfig config)
    : link_(link), clock_(clock), config_(std::move(config)) {
    inputDelay_ = std::clamp(config_.inputDelay, kMinInputDelay, kMaxInputDelay);
    seed_ = config_.seed;
    startLevel_ = config_.startLevel;
    startTime_ = clock_.Now();
    lastHeard_ = startTime_;
}

uint32_t LockstepSession::StampNow() const {
    return static_cast<uint32_t>(std::llround((clock_.Now() - startTime_) * 1000.0));
}

void LockstepSession::Send(const Packet& packet, Delivery delivery) { link_.Send(Encode(packet), delivery); }

void LockstepSession::End(std::string message) {
    if (state_ == SessionState::Ended) return;
    state_ = SessionState::Ended;
    endMessage_ = std::move(message);
}

void LockstepSession::Pump() {
    std::vector<LinkEvent> events;
    // An ended session still services the link, so that its last words (the
    // goodbye, the hash) reach the peer; what arrives is no longer read.
    link_.Poll(events);
    if (Ended()) return;
    for (const LinkEvent& event : events) {
        if (Ended()) break;
        switch (event.kind) {
            case LinkEvent::Kind::Connected:
                connected_ = true;
                lastHeard_ = clock_.Now();
                Send(HelloPacket{config_.gameVersion, config_.buildId}, Delivery::Reliable);
                break;
            case LinkEvent::Kind::Disconnected:
                // A peer that left after frame F and whose inputs up to F are all
                // here still lets this side run up to F.
                if (!(peerLeftAt_ && remoteComplete_ >= *peerLeftAt_)) End("The other player left the online match.");
                connected_ = false;
                break;
            case LinkEvent::Kind::Received:
                if (std::optional<Packet> packet = reader_.Read(event.bytes.data(), event.bytes.size(), frame_)) {
                    lastHeard_ = clock_.Now();
                    OnPacket(*packet);
                }
                break;
        }
    }
    if (Ended()) return;

    const double now = clock_.Now();
    // A host waiting for a guest waits as long as its player likes; a guest that
    // gets no answer gives up after the connect timeout, either side once
    // connected after the silence timeout.
    if (!connected_ && config_.role == SessionRole::Guest && now - lastHeard_ > config_.connectTimeout) {
        std::ostringstream line;
        line << "No game answered at that address within " << config_.connectTimeout << " seconds.";
        End(line.str());
        return;
    }
    if (connected_ && now - lastHeard_ > config_.silenceTimeout) {
        std::ostringstream line;
        line << "The other player has not answered for " << config_.silenceTimeout
             << " seconds; the online match ended.";
        End(line.str());
        return;
    }
    if (connected_ && now - lastPing_ >= config_.pingInterval) {
        lastPing_ = now;
        Send(PingPacket{StampNow()}, Delivery::Unreliable);
    }
    if (Running() && static_cast<int64_t>(local_.size()) - 1 > peerAck_ &&
        now - lastInputSend_ >= config_.resendInterval)
        SendInputs();
}

void LockstepSession::OnPacket(const Packet& packet) {
    std::visit(
        [this](const auto& p) {
            using T = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<T, HelloPacket>) {
                OnHello(p);
            } else if constexpr (std::is_same_v<T, StartPacket>) {
                if (config_.role == SessionRole::Guest && helloAccepted_ && state_ == SessionState::Connecting)
                    OnStart(p);
            } else if constexpr (std::is_same_v<T, InputsPacket>) {
                if (Running()) OnInputs(p);
            } else if constexpr (std::is_same_v<T, HashPacket>) {
                if (Running()) OnHash(p);
            } else if constexpr (std::is_same_v<T, PingPacket>) {
                Send(PongPacket{p.stamp}, Delivery::Unreliable);
            } else if constexpr (std::is_same_v<T, PongPacket>) {
                const double sample = static_cast<double>(StampNow() - p.stamp);
                if (sample >= 0.0 && sample < 60000.0)
                    roundTripMs_ = roundTripMs_ == 0.0 ? sample : roundTripMs_ * 0.875 + sample * 0.125;
            } else if constexpr (std::is_same_v<T, GoodbyePacket>) {
                if (p.reason == GoodbyeReason::OutOfStep) {
                    outOfStepFrame_ = p.frame;
                    End("The games went out of step at frame " + std::to_string(p.frame));
                } else if (p.reason == GoodbyeReason::VersionMismatch) {
                    End("The other player's game refused this one: both need the same game version and build.");
                } else if (Running() && p.frame > frame_ && p.frame <= frame_ + PacketReader::kFutureWindow) {
                    peerLeftAt_ = p.frame;  // run up to where the peer stopped first
                } else {
                    End("The other player left the online match.");
                }
            }
        },
        packet);
}

void LockstepSession::OnHello(const HelloPacket& hello) {
    if (helloAccepted_) return;
    if (hello.gameVersion != config_.gameVersion || hello.buildId != config_.buildId) {
        Send(GoodbyePacket{GoodbyeReason::VersionMismatch, 0}, Delivery::Reliable);
        End("Cannot play online: the other game is " + Describe(hello.gameVersion, hello.buildId) +
            ", this one is " + Describe(config_.gameVersion, config_.buildId) + ".");
        return;
    }
    helloAccepted_ = true;
    if (config_.role == SessionRole::Host) {
        const StartPacket start{seed_, static_cast<uint8_t>(inputDelay_), startLevel_};
        Send(start, Delivery::Reliable);
        OnStart(start);
    }
}

void LockstepSession::OnStart(const StartPacket& start) {
    inputDelay_ = start.inputDelay;
    seed_ = start.seed;
    startLevel_ = start.level;
    state_ = SessionState::Running;
    // The first D frames have no input from anyone: both sides know them already.
    local_.assign(static_cast<size_t>(inputDelay_), PlayerActions{});
    remote_.assign(static_cast<size_t>(inputDelay_), PlayerActions{});
    remoteHave_.assign(static_cast<size_t>(inputDelay_), true);
    remoteComplete_ = static_cast<uint32_t>(inputDelay_);
    peerAck_ = inputDelay_ - 1;
}

bool LockstepSession::NeedsLocalInput() const {
    return Running() && local_.size() <= static_cast<size_t>(frame_) + static_cast<size_t>(inputDelay_);
}

void LockstepSession::SubmitLocalInput(PlayerActions actions) {
    if (!NeedsLocalInput()) return;
    local_.push_back(actions);
    SendInputs();
}

void LockstepSession::SendInputs() {
    InputsPacket packet;
    packet.ackFrame = static_cast<int32_t>(remoteComplete_) - 1;
    const size_t first = static_cast<size_t>(std::max<int64_t>(peerAck_ + 1, 0));
    packet.firstFrame = static_cast<uint32_t>(first);
    for (size_t f = first; f < local_.size() && packet.actions.size() < kMaxInputsPerPacket; ++f)
        packet.actions.push_back(local_[f]);
    Send(packet, Delivery::Unreliable);
    lastInputSend_ = clock_.Now();
}

void LockstepSession::OnInputs(const InputsPacket& inputs) {
    // The peer cannot hold frames we never sent.
    peerAck_ = std::max<int64_t>(peerAck_, std::min<int64_t>(inputs.ackFrame, static_cast<int64_t>(local_.size()) - 1));
    const size_t end = static_cast<size_t>(inputs.firstFrame) + inputs.actions.size();
    if (end > remote_.size()) {
        remote_.resize(end);
        remoteHave_.resize(end, false);
    }
    bool learned = false;
    for (size_t i = 0; i < inputs.actions.size(); ++i) {
        const size_t f = inputs.firstFrame + i;
        if (remoteHave_[f]) continue;
        remote_[f] = inputs.actions[i];
        remoteHave_[f] = true;
        learned = true;
    }
    while (remoteComplete_ < remoteHave_.size() && remoteHave_[remoteComplete_]) ++remoteComplete_;
    // Confirm at once when nothing of ours is going out anyway, so the peer stops repeating.
    if (learned && static_cast<int64_t>(local_.size()) - 1 <= peerAck_) SendInputs();
}

std::optional<FrameInputs> LockstepSession::NextFrame() {
    if (!Running() || frame_ >= local_.size() || frame_ >= remoteComplete_) return std::nullopt;
    FrameInputs inputs;
    inputs.frame = frame_;
    inputs.players[LocalPlayer()] = local_[frame_];
    inputs.players[1 - LocalPlayer()] = remote_[frame_];
    ++frame_;
    if (peerLeftAt_ && frame_ >= *peerLeftAt_) End("The other player left the online match.");
    return inputs;
}

bool LockstepSession::Waiting() const { return Running() && frame_ >= remoteComplete_; }

bool LockstepSession::HashDue(uint32_t framesRun) const {
    return Running() && config_.hashInterval > 0 && framesRun != 0 &&
           framesRun % static_cast<uint32_t>(config_.hashInterval) == 0;
}

void LockstepSession::ReportWorldHash(uint32_t framesRun, uint64_t hash) {
    if (!HashDue(framesRun)) return;
    localHashes_[framesRun] = hash;
    // A peer that never sends its hashes must not make the list grow for ever.
    while (localHashes_.size() > 16) localHashes_.erase(localHashes_.begin());
    Send(HashPacket{framesRun, hash}, Delivery::Reliable);
    CompareHashes(framesRun);
}

void LockstepSession::OnHash(const HashPacket& hash) {
    if (hash.frame == 0 || config_.hashInterval <= 0 || hash.frame % static_cast<uint32_t>(config_.hashInterval) != 0)
        return;
    if (hash.frame <= lastCompared_ || remoteHashes_.size() >= 16) return;
    remoteHashes_[hash.frame] = hash.hash;
    CompareHashes(hash.frame);
}

void LockstepSession::CompareHashes(uint32_t frame) {
    const auto local = localHashes_.find(frame);
    const auto remote = remoteHashes_.find(frame);
    if (local == localHashes_.end() || remote == remoteHashes_.end()) return;
    const bool same = local->second == remote->second;
    localHashes_.erase(local);
    remoteHashes_.erase(remote);
    lastCompared_ = std::max(lastCompared_, frame);
    if (same) return;
    Send(GoodbyePacket{GoodbyeReason::OutOfStep, frame}, Delivery::Reliable);
    outOfStepFrame_ = frame;
    End("The games went out of step at frame " + std::to_string(frame));
}

void LockstepSession::Leave() {
    if (Ended()) return;
    Send(GoodbyePacket{GoodbyeReason::Left, frame_}, Delivery::Reliable);
    End("You left the online match.");
}

bool LockstepSession::PeerHasAllLocalInput() const {
    return Running() && peerAck_ >= static_cast<int64_t>(local_.size()) - 1;
}

std::vector<PlayerActions> LockstepSession::PlayerHistory(int player) const {
    const std::vector<PlayerActions>& source = player == LocalPlayer() ? local_ : remote_;
    const size_t count = std::min<size_t>(frame_, source.size());
    return std::vector<PlayerActions>(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(count));
}

}  // namespace Engine::net
