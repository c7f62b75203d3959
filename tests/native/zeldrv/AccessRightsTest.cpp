// What key A and key B may do under a sector's access conditions, on sector 1
// of a card: block 4 a value block of 100, block 5 data, block 7 the trailer.
#include "CardImages.h"
#include "SimFixture.h"

namespace {

const uint8_t kKeyA[6] = {0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1};
const uint8_t kKeyB[6] = {0xB1, 0xB1, 0xB1, 0xB1, 0xB1, 0xB1};
const uint8_t kNewKey[6] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
constexpr uint8_t A = 0, B = 4;  // key modes

enum class Op { kRead, kWrite, kIncrement, kDecrement, kWriteUserByte, kWriteKeyA };

const char* name(Op op) {
    switch (op) {
    case Op::kRead: return "read";
    case Op::kWrite: return "write";
    case Op::kIncrement: return "increment";
    case Op::kDecrement: return "decrement";
    case Op::kWriteUserByte: return "write user byte";
    case Op::kWriteKeyA: return "write key A";
    }
    return "?";
}

class AccessRights : public SimFixture {
public:
    // Opens a connection on the card with the given access bytes for sector 1,
    // authenticated with keyMode.
    void start(const Bytes& access) {
        close();
        Bytes card = cards::factoryCard();
        const uint8_t bytes4[4] = {access[0], access[1], access[2], 0x69};
        cards::setBlock(card, 7, cards::trailer(kKeyA, bytes4, kKeyB));
        cards::setBlock(card, 4, {100, 0, 0, 0, 0x9B, 0xFF, 0xFF, 0xFF, 100, 0, 0, 0, 4, 0xFB, 4, 0xFB});
        cards::setBlock(card, 5, Bytes(16, 0x55));
        put("card.mfd", card);
        h_ = open();
    }

    void authenticate(uint8_t keyMode) {
        uint32_t serial;
        ASSERT_EQ(0, zel_card(h_, 0, &serial));
        ASSERT_EQ(0, zel_load_key(h_, keyMode, 1, keyMode == A ? kKeyA : kKeyB));
        ASSERT_EQ(0, zel_authentication(h_, keyMode, 1));
    }

    int32_t run(Op op, const Bytes& access) {
        uint8_t data[16] = {7, 7, 7, 7};
        const uint8_t user[4] = {access[0], access[1], access[2], 0x42};
        const uint8_t same[4] = {access[0], access[1], access[2], 0x69};
        switch (op) {
        case Op::kRead: return zel_read(h_, 5, data);
        case Op::kWrite: return zel_write(h_, 5, data);
        case Op::kIncrement: return zel_increment(h_, 4, 1);
        case Op::kDecrement: return zel_decrement(h_, 4, 1);
        case Op::kWriteUserByte: return zel_changeb3(h_, 1, kKeyA, user, 0, kKeyB);
        case Op::kWriteKeyA: return zel_changeb3(h_, 1, kNewKey, same, 0, kKeyB);
        }
        return -100;
    }

    int32_t h_ = 0;
};

TEST_F(AccessRights, OperationsFollowTheAccessConditions) {
    const Bytes transport = {0xFF, 0x07, 0x80};   // blocks 000, trailer 001
    const Bytes keyBWrites = {0x78, 0x77, 0x88};  // blocks 100, trailer 011
    const Bytes keyBAdmin = {0x7F, 0x07, 0x88};   // blocks 000, trailer 011
    const Bytes valueCard = {0x08, 0x77, 0x8F};   // blocks 110, trailer 011
    const Bytes debitOnly = {0x7F, 0x00, 0xF8};   // blocks 001, trailer 011
    const Bytes lockedUp = {0x00, 0xF0, 0xFF};    // blocks 111, trailer 111
    const struct {
        const Bytes& access;
        const char* label;
        uint8_t key;
        Op op;
        bool allowed;
    } rows[] = {
        {transport, "transport", A, Op::kRead, true},
        {transport, "transport", A, Op::kWrite, true},
        {transport, "transport", A, Op::kIncrement, true},
        {transport, "transport", A, Op::kDecrement, true},
        {transport, "transport", A, Op::kWriteUserByte, true},
        {transport, "transport", A, Op::kWriteKeyA, true},
        {transport, "transport, readable key B", B, Op::kRead, false},
        {transport, "transport, readable key B", B, Op::kWrite, false},
        {keyBWrites, "key B writes", A, Op::kRead, true},
        {keyBWrites, "key B writes", B, Op::kRead, true},
        {keyBWrites, "key B writes", A, Op::kWrite, false},
        {keyBWrites, "key B writes", B, Op::kWrite, true},
        {keyBWrites, "key B writes", B, Op::kIncrement, false},
        {keyBWrites, "key B writes", B, Op::kDecrement, false},
        {keyBWrites, "key B writes", A, Op::kWriteUserByte, false},
        {keyBWrites, "key B writes", B, Op::kWriteUserByte, true},
        {keyBWrites, "key B writes", A, Op::kWriteKeyA, false},
        {keyBWrites, "key B writes", B, Op::kWriteKeyA, true},
        {keyBAdmin, "key B administers", A, Op::kWrite, true},
        {keyBAdmin, "key B administers", A, Op::kWriteKeyA, false},
        {keyBAdmin, "key B administers", B, Op::kWriteKeyA, true},
        {valueCard, "value block", A, Op::kWrite, false},
        {valueCard, "value block", B, Op::kWrite, true},
        {valueCard, "value block", A, Op::kIncrement, false},
        {valueCard, "value block", B, Op::kIncrement, true},
        {valueCard, "value block", A, Op::kDecrement, true},
        {debitOnly, "debit only", A, Op::kRead, true},
        {debitOnly, "debit only", A, Op::kWrite, false},
        {debitOnly, "debit only", A, Op::kIncrement, false},
        {debitOnly, "debit only", A, Op::kDecrement, true},
        {debitOnly, "debit only", B, Op::kDecrement, true},
        {lockedUp, "locked", A, Op::kRead, false},
        {lockedUp, "locked", B, Op::kRead, false},
        {lockedUp, "locked", B, Op::kWrite, false},
        {lockedUp, "locked", A, Op::kWriteUserByte, false},
        {lockedUp, "locked", B, Op::kWriteUserByte, false},
    };
    for (const auto& row : rows) {
        const std::string label =
            std::string(row.label) + " with key " + (row.key == A ? "A" : "B") + ": " + name(row.op);
        SCOPED_TRACE(label);
        start(row.access);
        authenticate(row.key);
        if (HasFatalFailure()) {
            return;
        }
        const Bytes before = bytes("card.mfd");
        const int32_t result = run(row.op, row.access);
        EXPECT_EQ(row.allowed, result == 0) << "result " << result;
        const bool writes = row.op == Op::kWrite || row.op == Op::kWriteUserByte || row.op == Op::kWriteKeyA;
        EXPECT_EQ(writes && row.allowed, before != bytes("card.mfd")) << "card file changed";
    }
}

TEST_F(AccessRights, TrailerReadsShowOnlyWhatIsReadable) {
    const Bytes zeros(6, 0x00);
    const Bytes keyB(kKeyB, kKeyB + 6);
    const struct {
        const char* label;
        Bytes access;
        uint8_t key;
        bool accessShown;
        bool keyBShown;
    } rows[] = {
        {"transport, key A", {0xFF, 0x07, 0x80}, A, true, true},
        {"key B writes, key A", {0x78, 0x77, 0x88}, A, true, false},
        {"key B writes, key B", {0x78, 0x77, 0x88}, B, true, false},
        {"locked, key A", {0x00, 0xF0, 0xFF}, A, true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        start(row.access);
        authenticate(row.key);
        uint8_t data[16];
        ASSERT_EQ(0, zel_read(h_, 7, data));
        const Bytes got(data, data + 16);
        EXPECT_EQ(cards::hex(zeros), cards::hex(Bytes(got.begin(), got.begin() + 6))) << "key A";
        const Bytes access = {row.access[0], row.access[1], row.access[2], 0x69};
        EXPECT_EQ(cards::hex(row.accessShown ? access : Bytes(4, 0)), cards::hex(Bytes(got.begin() + 6, got.begin() + 10)));
        EXPECT_EQ(cards::hex(row.keyBShown ? keyB : zeros), cards::hex(Bytes(got.begin() + 10, got.end())));
    }

    start({0xFF, 0x07, 0x80});
    authenticate(B);
    uint8_t data[16];
    EXPECT_NE(0, zel_read(h_, 7, data)) << "key B where key B is readable";
}

}  // namespace
