// The packet reader: every packet reads back as written, and anything malformed
// (short, long, another protocol version, garbage, a frame far ahead) is dropped
// and counted under its reason.
#include <gtest/gtest.h>

#include "net/packets.h"

namespace {

using namespace Engine::net;

std::optional<Packet> ReadBack(const Packet& packet, PacketReader& reader, uint32_t currentFrame = 0) {
    const std::vector<uint8_t> bytes = Encode(packet);
    return reader.Read(bytes.data(), bytes.size(), currentFrame);
}

TEST(Packets, EveryKindReadsBackAsWritten) {
    PacketReader reader;
    const auto hello = ReadBack(HelloPacket{"0.1.0", "abc123"}, reader);
    ASSERT_TRUE(hello && std::holds_alternative<HelloPacket>(*hello));
    EXPECT_EQ(std::get<HelloPacket>(*hello).gameVersion, "0.1.0");
    EXPECT_EQ(std::get<HelloPacket>(*hello).buildId, "abc123");

    const auto start = ReadBack(StartPacket{0xDEADBEEF, 8, "Level2"}, reader);
    ASSERT_TRUE(start && std::holds_alternative<StartPacket>(*start));
    EXPECT_EQ(std::get<StartPacket>(*start).seed, 0xDEADBEEFu);
    EXPECT_EQ(std::get<StartPacket>(*start).inputDelay, 8);
    EXPECT_EQ(std::get<StartPacket>(*start).level, "Level2");
    const auto fromTitle = ReadBack(StartPacket{1, 3, ""}, reader);
    ASSERT_TRUE(fromTitle && std::holds_alternative<StartPacket>(*fromTitle));
    EXPECT_EQ(std::get<StartPacket>(*fromTitle).level, "");

    InputsPacket inputs{41, 40, {PlayerActions{1}, PlayerActions{0x3FFF}, PlayerActions{0xFFFFFFFF}}};
    const auto readInputs = ReadBack(inputs, reader, 10);
    ASSERT_TRUE(readInputs && std::holds_alternative<InputsPacket>(*readInputs));
    EXPECT_EQ(std::get<InputsPacket>(*readInputs).ackFrame, 41);
    EXPECT_EQ(std::get<InputsPacket>(*readInputs).firstFrame, 40u);
    EXPECT_EQ(std::get<InputsPacket>(*readInputs).actions, inputs.actions);

    const auto ackOnly = ReadBack(InputsPacket{-1, 3, {}}, reader);
    ASSERT_TRUE(ackOnly && std::holds_alternative<InputsPacket>(*ackOnly));
    EXPECT_EQ(std::get<InputsPacket>(*ackOnly).ackFrame, -1);

    const auto hash = ReadBack(HashPacket{60, 0x0123456789ABCDEFull}, reader);
    ASSERT_TRUE(hash && std::holds_alternative<HashPacket>(*hash));
    EXPECT_EQ(std::get<HashPacket>(*hash).hash, 0x0123456789ABCDEFull);

    const auto ping = ReadBack(PingPacket{77}, reader);
    ASSERT_TRUE(ping && std::holds_alternative<PingPacket>(*ping));
    EXPECT_EQ(std::get<PingPacket>(*ping).stamp, 77u);
    const auto pong = ReadBack(PongPacket{78}, reader);
    ASSERT_TRUE(pong && std::holds_alternative<PongPacket>(*pong));
    EXPECT_EQ(std::get<PongPacket>(*pong).stamp, 78u);

    const auto goodbye = ReadBack(GoodbyePacket{GoodbyeReason::OutOfStep, 120}, reader);
    ASSERT_TRUE(goodbye && std::holds_alternative<GoodbyePacket>(*goodbye));
    EXPECT_EQ(std::get<GoodbyePacket>(*goodbye).reason, GoodbyeReason::OutOfStep);
    EXPECT_EQ(std::get<GoodbyePacket>(*goodbye).frame, 120u);

    EXPECT_EQ(reader.Dropped().Total(), 0);
}

struct BadPacket {
    const char* what;
    std::vector<uint8_t> bytes;
    int DroppedPackets::*counter;
};

std::vector<uint8_t> WithByte(std::vector<uint8_t> bytes, size_t at, uint8_t value) {
    bytes[at] = value;
    return bytes;
}
std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t by) {
    bytes.resize(bytes.size() - by);
    return bytes;
}
std::vector<uint8_t> Grown(std::vector<uint8_t> bytes) {
    bytes.push_back(0);
    return bytes;
}

TEST(Packets, BadPacketsAreDroppedAndCountedByReason) {
    const std::vector<uint8_t> hash = Encode(HashPacket{60, 5});
    const std::vector<uint8_t> inputs = Encode(InputsPacket{-1, 3, {PlayerActions{1}, PlayerActions{2}}});
    const std::vector<uint8_t> start = Encode(StartPacket{1, 3, "Level1"});
    const std::vector<uint8_t> hello = Encode(HelloPacket{"1.0", "b"});
    const BadPacket cases[] = {
        {"empty", {}, &DroppedPackets::wrongSize},
        {"header only, cut", {'T', 'V', 1}, &DroppedPackets::wrongSize},
        {"the protocol before start levels", WithByte(hash, 2, 1), &DroppedPackets::wrongVersion},
        {"another protocol version", WithByte(hash, 2, 3), &DroppedPackets::wrongVersion},
        {"not our protocol", WithByte(hash, 0, 'X'), &DroppedPackets::wrongVersion},
        {"unknown type", WithByte(hash, 3, 99), &DroppedPackets::garbage},
        {"hash cut short", Cut(hash, 1), &DroppedPackets::wrongSize},
        {"hash with a byte more", Grown(hash), &DroppedPackets::wrongSize},
        {"inputs cut short", Cut(inputs, 2), &DroppedPackets::wrongSize},
        {"inputs with a byte more", Grown(inputs), &DroppedPackets::wrongSize},
        {"inputs claiming more frames than sent", WithByte(inputs, 12, 3), &DroppedPackets::wrongSize},
        {"inputs claiming too many frames", WithByte(inputs, 12, 200), &DroppedPackets::garbage},
        {"input delay 0", WithByte(start, 8, 0), &DroppedPackets::garbage},
        {"input delay 9", WithByte(start, 8, 9), &DroppedPackets::garbage},
        {"start level with a control character", WithByte(start, 10, 0x0A), &DroppedPackets::garbage},
        {"start level cut short", Cut(start, 1), &DroppedPackets::wrongSize},
        {"start with a byte more", Grown(start), &DroppedPackets::wrongSize},
        {"hello with a control character", WithByte(hello, 5, 0x07), &DroppedPackets::garbage},
        {"hello whose text runs past the end", WithByte(hello, 4, 60), &DroppedPackets::wrongSize},
        {"goodbye with an unknown reason", WithByte(Encode(GoodbyePacket{}), 4, 9), &DroppedPackets::garbage},
        {"inputs far in the future", Encode(InputsPacket{-1, 1000, {PlayerActions{1}}}), &DroppedPackets::farFuture},
        {"hash far in the future", Encode(HashPacket{6000, 5}), &DroppedPackets::farFuture},
        {"an acknowledgement far in the future", Encode(InputsPacket{900, 3, {}}), &DroppedPackets::farFuture},
    };
    for (const BadPacket& bad : cases) {
        PacketReader reader;
        EXPECT_FALSE(reader.Read(bad.bytes.data(), bad.bytes.size(), 10)) << bad.what;
        EXPECT_EQ(reader.Dropped().*bad.counter, 1) << bad.what;
        EXPECT_EQ(reader.Dropped().Total(), 1) << bad.what;
    }
}

TEST(Packets, AFrameJustInsideTheWindowIsTakenAndOneBeyondIsNot) {
    PacketReader reader;
    EXPECT_TRUE(ReadBack(HashPacket{10 + PacketReader::kFutureWindow, 1}, reader, 10));
    EXPECT_FALSE(ReadBack(HashPacket{11 + PacketReader::kFutureWindow, 1}, reader, 10));
    EXPECT_EQ(reader.Dropped().farFuture, 1);
}

}  // namespace
