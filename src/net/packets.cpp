#include "net/packets.h"

namespace Engine::net {

namespace {

constexpr uint8_t kMagic0 = 'T';
constexpr uint8_t kMagic1 = 'V';
constexpr size_t kHeaderSize = 4;

class Writer {
public:
    explicit Writer(PacketType type) { bytes_ = {kMagic0, kMagic1, kProtocolVersion, static_cast<uint8_t>(type)}; }
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U32(uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void U64(uint64_t v) {
        for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void Text(const std::string& text) {
        const size_t length = text.size() < kMaxTextLength ? text.size() : kMaxTextLength;
        U8(static_cast<uint8_t>(length));
        bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
    }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// Reads fields from the body; any read past the end sets `short_`.
class Cursor {
public:
    Cursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t U8() { return Take(1) ? data_[at_ - 1] : 0; }
    uint32_t U32() {
        if (!Take(4)) return 0;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(data_[at_ - 4 + i]) << (8 * i);
        return v;
    }
    uint64_t U64() {
        if (!Take(8)) return 0;
        uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v |= static_cast<uint64_t>(data_[at_ - 8 + i]) << (8 * i);
        return v;
    }
    // False for text that is not printable ASCII or too long.
    bool Text(std::string& out) {
        const size_t length = U8();
        if (length > kMaxTextLength || !Take(length)) return false;
        out.assign(reinterpret_cast<const char*>(data_ + at_ - length), length);
        for (const char c : out)
            if (c < 0x20 || c > 0x7E) return false;
        return true;
    }
    bool Short() const { return short_; }
    bool AtEnd() const { return !short_ && at_ == size_; }

private:
    bool Take(size_t n) {
        if (short_ || size_ - at_ < n) {
            short_ = true;
            return false;
        }
        at_ += n;
        return true;
    }
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    bool short_ = false;
};

struct EncodeVisitor {
    std::vector<uint8_t> operator()(const HelloPacket& p) const {
        Writer w(PacketType::Hello);
        w.Text(p.gameVersion);
        w.Text(p.buildId);
        return w.Take();
    }
    std::vector<uint8_t> operator()(const StartPacket& p) const {
        Writer w(PacketType::Start);
        w.U32(p.seed);
        w.U8(p.inputDelay);
        w.Text(p.level);
        return w.Take();
    }
    std::vector<uint8_t> operator()(const InputsPacket& p) const {
        Writer w(PacketType::Inputs);
        w.U32(static_cast<uint32_t>(p.ackFrame));
        w.U32(p.firstFrame);
        const size_t count = p.actions.size() < kMaxInputsPerPacket ? p.actions.size() : kMaxInputsPerPacket;
        w.U8(static_cast<uint8_t>(count));
        for (size_t i = 0; i < count; ++i) w.U32(p.actions[i].bits);
        return w.Take();
    }
    std::vector<uint8_t> operator()(const HashPacket& p) const {
        Writer w(PacketType::Hash);
        w.U32(p.frame);
        w.U64(p.hash);
        return w.Take();
    }
    std::vector<uint8_t> operator()(const PingPacket& p) const {
        Writer w(PacketType::Ping);
        w.U32(p.stamp);
        return w.Take();
    }
    std::vector<uint8_t> operator()(const PongPacket& p) const {
        Writer w(PacketType::Pong);
        w.U32(p.stamp);
        return w.Take();
    }
    std::vector<uint8_t> operator()(const GoodbyePacket& p) const {
        Writer w(PacketType::Goodbye);
        w.U8(static_cast<uint8_t>(p.reason));
        w.U32(p.frame);
        return w.Take();
    }
};

}  // namespace

std::vector<uint8_t> Encode(const Packet& packet) { return std::visit(EncodeVisitor{}, packet); }

std::optional<Packet> PacketReader::Read(const uint8_t* data, size_t size, uint32_t currentFrame) {
    if (size < kHeaderSize) {
        ++dropped_.wrongSize;
        return std::nullopt;
    }
    if (data[0] != kMagic0 || data[1] != kMagic1 || data[2] != kProtocolVersion) {
        ++dropped_.wrongVersion;
        return std::nullopt;
    }
    const uint64_t horizon = static_cast<uint64_t>(currentFrame) + kFutureWindow;
    Cursor in(data + kHeaderSize, size - kHeaderSize);
    std::optional<Packet> packet;
    bool valid = true;
    bool tooFar = false;
    switch (static_cast<PacketType>(data[3])) {
        case PacketType::Hello: {
            HelloPacket p;
            valid = in.Text(p.gameVersion) && in.Text(p.buildId);
            packet = std::move(p);
            break;
        }
        case PacketType::Start: {
            StartPacket p;
            p.seed = in.U32();
            p.inputDelay = in.U8();
            valid = p.inputDelay >= 1 && p.inputDelay <= 8 && in.Text(p.level);
            packet = std::move(p);
            break;
        }
        case PacketType::Inputs: {
            InputsPacket p;
            p.ackFrame = static_cast<int32_t>(in.U32());
            p.firstFrame = in.U32();
            const uint8_t count = in.U8();
            valid = count <= kMaxInputsPerPacket && p.ackFrame >= -1;
            if (valid && !in.Short()) {
                p.actions.resize(count);
                for (PlayerActions& a : p.actions) a.bits = in.U32();
                const uint64_t last = static_cast<uint64_t>(p.firstFrame) + (count ? count - 1 : 0);
                tooFar = last > horizon || static_cast<int64_t>(p.ackFrame) > static_cast<int64_t>(horizon);
            }
            packet = std::move(p);
            break;
        }
        case PacketType::Hash: {
            HashPacket p;
            p.frame = in.U32();
            p.hash = in.U64();
            tooFar = p.frame > horizon;
            packet = p;
            break;
        }
        case PacketType::Ping:
            packet = PingPacket{in.U32()};
            break;
        case PacketType::Pong:
            packet = PongPacket{in.U32()};
            break;
        case PacketType::Goodbye: {
            const uint8_t reason = in.U8();
            const uint32_t frame = in.U32();
            valid = reason <= static_cast<uint8_t>(GoodbyeReason::OutOfStep);
            packet = GoodbyePacket{static_cast<GoodbyeReason>(reason), frame};
            break;
        }
        default:
            ++dropped_.garbage;
            return std::nullopt;
    }
    if (in.Short()) {
        ++dropped_.wrongSize;
        return std::nullopt;
    }
    if (!valid) {
        ++dropped_.garbage;
        return std::nullopt;
    }
    if (!in.AtEnd()) {
        ++dropped_.wrongSize;
        return std::nullopt;
    }
    if (tooFar) {
        ++dropped_.farFuture;
        return std::nullopt;
    }
    return packet;
}

}  // namespace Engine::net
