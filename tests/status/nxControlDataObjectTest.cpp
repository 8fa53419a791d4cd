#include <gtest/gtest.h>

#include <memory>

#include "nxRecordingListener.h"
#include "nxTestStatus.h"
#include "status/nxControlDataObject.h"

namespace
{
// Observes every attribute of a row, like the cells of a grid would.
struct ObservedRow
{
    nxControlDataObject row;
    nxRecordingListener cells;

    ObservedRow()
    {
        for (nxObservedAttribute* attribute : row.GetAttributes())
            attribute->AttachObserver(&cells);
    }
    ~ObservedRow()
    {
        for (nxObservedAttribute* attribute : row.GetAttributes())
            attribute->DetachObserver(&cells);
    }
    void Apply(const nxStatusFields& wanted, bool withoutFlashing)
    {
        std::unique_ptr<nxApplicationStatus> status(MakeStatus(wanted));
        row.OnApplicationStatusUpdate(*status, withoutFlashing);
    }
    nxAttributeChangeBitMask BitsOf(nxAttributeID id)
    {
        nxAttributeChangeBitMask bits = 0;
        for (const auto& change : last)
            if (change.attribute == id)
                bits |= change.bits;
        return bits;
    }
    void Collect() { last = cells.TakeChanges(); }
    std::vector<nxRecordingListener::Change> last;
};

std::string Text(const nxControlDataObject& row, nxAttributeID id)
{
    return row.GetAttribute(id)->GetAttributeValueAsString();
}
} // namespace

TEST(nxControlDataObject, KeyUsesWildcardsForAnEmptyIdOrUndefinedKind)
{
    EXPECT_EQ(nxControlDataObject::GetAsIndexedMapKey("APP1", nxClientServerEnum(72)), "APP1^Server");
    EXPECT_EQ(nxControlDataObject::GetAsIndexedMapKey("", nxClientServerEnum(71)), "*^Client");
    EXPECT_EQ(nxControlDataObject::GetAsIndexedMapKey("APP1", nxClientServerEnum()), "APP1^*");

    nxControlDataObject row;
    std::unique_ptr<nxApplicationStatus> status(MakeStatus({.id = "C7", .type = 7103}));
    row.OnApplicationStatusUpdate(*status, true);
    EXPECT_EQ(row.GetAsIndexedMapKey(), "C7^Client");
    EXPECT_EQ(row.GetClientServer().GetValue(), 71u);
    EXPECT_EQ(row.GetApplicationID().GetApplicationID(), "C7");
}

TEST(nxControlDataObject, EachCellShowsItsOwnFieldOfTheStatus)
{
    nxControlDataObject row;
    std::unique_ptr<nxApplicationStatus> status(MakeStatus({.id = "A7", .delta = 3}));
    row.OnApplicationStatusUpdate(*status, true);
    const std::pair<nxAttributeID, const char*> cells[] = {
        {9001, "A7"},      {9002, "App-A7"},  {9003, "host1"},        {9004, "ops"},
        {9005, "Running"}, {9006, "4242"},    {9007, "Order Router"}, {9008, "2026-12-05 08:00:00"},
        {9009, "inst"},    {9010, "Primary"}, {9011, "1.2.3"},        {9012, "0.5"},
        {9013, "0.25"},    {9014, "OK"},      {9015, "Weekdays"},     {9016, "London"},
        {9017, "3"}};
    for (const auto& [id, text] : cells)
        EXPECT_EQ(Text(row, id), text) << id;
}

TEST(nxControlDataObject, HighlightFollowsExpectedStatusAndHeartbeatBoundaries)
{
    struct Case
    {
        uint32_t expected;
        uint32_t delta;
        nxAttributeHighlightBitMask mask;
    };
    const Case cases[] = {
        {8201, 0, 0x100},
        {8202, 0, 0x800},
        {8203, 0, 0x200},
        {8204, 0, 0x400},
        {8205, 0, 0},
        {8201, 1, 0x110},
        {8201, 0xFFFFFFFD, 0x110},
        {8201, 0xFFFFFFFE, 0x100},
        {8201, 0xFFFFFFFF, 0x100},
    };
    for (const Case& c : cases)
    {
        nxControlDataObject row;
        std::unique_ptr<nxApplicationStatus> status(
            MakeStatus({.id = "A", .expected = c.expected, .delta = c.delta}));
        row.OnApplicationStatusUpdate(*status, false);
        for (nxObservedAttribute* attribute : row.GetAttributes())
            EXPECT_EQ(attribute->GetAttributeHighlight(), c.mask)
                << "expected " << c.expected << " delta " << c.delta << " attribute "
                << attribute->GetAttributeID();
    }
}

TEST(nxControlDataObject, HeartbeatDeltaShowsNumbersEmptiesForNullAndKeepsForNoChange)
{
    nxControlDataObject row;
    auto apply = [&row](uint32_t delta)
    {
        std::unique_ptr<nxApplicationStatus> status(MakeStatus({.id = "A", .delta = delta}));
        row.OnApplicationStatusUpdate(*status, false);
        return Text(row, 9017);
    };
    EXPECT_EQ(apply(0), "0");
    EXPECT_EQ(apply(0xFFFFFFFD), "4294967293");
    EXPECT_EQ(apply(0xFFFFFFFE), "4294967293") << "no-change keeps the value";
    EXPECT_EQ(apply(0xFFFFFFFF), "") << "null empties the cell";
}

TEST(nxControlDataObject, OnlyChangesNotifyAndLiveChangesOfFlaggedAttributesFlashWhereSnapshotsDoNot)
{
    ObservedRow observed;
    nxStatusFields fields{
        .id = "A", .expected = 8201, .delta = 3, .status = 8002, .schedule = "S1", .location = "L1"};
    observed.Apply(fields, true);
    observed.Collect();
    observed.Apply(fields, false);
    observed.Collect();
    EXPECT_TRUE(observed.last.empty()) << "an unchanged status notifies nobody";

    // A live update raising every flagged value and changing a plain one, highlight unchanged.
    fields.delta = 4, fields.status = 8004, fields.schedule = "S2", fields.location = "L2",
    fields.latency = 0.9;
    observed.Apply(fields, false);
    observed.Collect();
    for (nxAttributeID flagged : {9005u, 9015u, 9016u, 9017u})
        EXPECT_EQ(observed.BitsOf(flagged), 0x2u) << flagged;
    EXPECT_EQ(observed.BitsOf(9012), 0x8u) << "latency never flashes";

    // The expected status rises: it flashes, and every cell's highlight changes once.
    fields.expected = 8203;
    observed.Apply(fields, false);
    observed.Collect();
    EXPECT_EQ(observed.BitsOf(9014), 0x2u | 0x20u);
    EXPECT_EQ(observed.BitsOf(9001), 0x20u);
    EXPECT_EQ(observed.last.size(), 18u);

    // Falling values in a live update, then the same kind of change in a snapshot.
    fields.delta = 2, fields.status = 8001;
    observed.Apply(fields, false);
    observed.Collect();
    EXPECT_EQ(observed.BitsOf(9005), 0x4u);
    EXPECT_EQ(observed.BitsOf(9017), 0x4u);
    fields.delta = 9, fields.status = 8005;
    observed.Apply(fields, true);
    observed.Collect();
    EXPECT_EQ(observed.BitsOf(9005), 0x8u);
    EXPECT_EQ(observed.BitsOf(9017), 0x8u);
}

TEST(nxControlDataObject, StaleMarkIsSetOnceAndClearedByTheNextStatus)
{
    ObservedRow observed;
    observed.Apply({.id = "A", .expected = 8202}, true);
    observed.Collect();

    observed.row.OnServerApplicationStatusDisconnectDetected();
    observed.Collect();
    ASSERT_EQ(observed.last.size(), 17u) << "one highlight notification per cell";
    for (const auto& change : observed.last)
        EXPECT_EQ(change.bits, 0x20u);
    for (nxObservedAttribute* attribute : observed.row.GetAttributes())
        EXPECT_EQ(attribute->GetAttributeHighlight(), 0x800u | 0x1000000000000000u);
    EXPECT_EQ(Text(observed.row, 9001), "A") << "values stay";

    observed.row.OnServerApplicationStatusDisconnectDetected();
    observed.Collect();
    EXPECT_TRUE(observed.last.empty()) << "marking twice tells nobody";

    observed.Apply({.id = "A", .expected = 8202}, false);
    observed.Collect();
    EXPECT_EQ(observed.last.size(), 17u);
    for (nxObservedAttribute* attribute : observed.row.GetAttributes())
        EXPECT_EQ(attribute->GetAttributeHighlight(), 0x800u);
}
