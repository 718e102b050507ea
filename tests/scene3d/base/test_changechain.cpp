#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/base/coordinates.h"

namespace {

// What the links of a chain were told, by whom, in order.
struct TLog {
    std::map<const TObject*, std::string> Names;
    std::vector<std::string> Lines;

    void Told(const TObject* Receiver, const TObject* Sender, const std::string& How = "told by")
    {
        Lines.push_back(Names[Receiver] + " " + How + " " + Names[Sender]);
    }
    TNotifyEvent Event(const std::string& What)
    {
        return [this, What](TObject*) { Lines.push_back(What); };
    }
};

class TObjectSpy : public T3DUpdateAbleObject {
public:
    TObjectSpy(TPersistent* AOwner, TLog& Log) : T3DUpdateAbleObject(AOwner), FLog(Log) {}
    void NotifyChange(TObject* Sender) override
    {
        FLog.Told(this, Sender);
        T3DUpdateAbleObject::NotifyChange(Sender);
    }

private:
    TLog& FLog;
};

class TComponentSpy : public T3DCoordinatesUpdateAbleComponent {
public:
    TComponentSpy(TComponent* AOwner, TLog& Log) : T3DCoordinatesUpdateAbleComponent(AOwner), FLog(Log) {}
    void NotifyChange(TObject* Sender) override
    {
        FLog.Told(this, Sender);
        T3DCoordinatesUpdateAbleComponent::NotifyChange(Sender);
    }
    void CoordinatesNotify(T3DCoordinates* Sender) override { FLog.Told(this, Sender, "moved by"); }

private:
    TLog& FLog;
};

TEST(ChangeChain, AnObjectWithoutOwnerStaysSilent)
{
    TLog log;
    T3DUpdateAbleObject lonely(nullptr);
    lonely.SetOnChange(log.Event("changed"));
    lonely.NotifyChange(&lonely);
    T3DCoordinates coordinates(nullptr, {1, 2, 3, 1}, csPoint);
    coordinates.SetOnChange(log.Event("coordinates changed"));
    coordinates.SetX(5);
    EXPECT_TRUE(log.Lines.empty());
    EXPECT_EQ(coordinates.X(), 5);
}

TEST(ChangeChain, ChangesClimbToTheOwnersThenRaiseTheEvent)
{
    TLog log;
    TComponentSpy parent(nullptr, log);
    auto* child = new TComponentSpy(&parent, log);
    TObjectSpy colour(child, log);
    T3DUpdateAbleObject shade(&colour);
    log.Names = {{&parent, "parent"}, {child, "child"}, {&colour, "colour"}, {&shade, "shade"}};
    shade.SetOnChange(log.Event("shade event"));
    colour.SetOnChange(log.Event("colour event"));
    shade.NotifyChange(&shade);
    EXPECT_EQ(log.Lines, (std::vector<std::string>{"colour told by shade", "child told by colour",
                                                   "parent told by child", "colour event", "shade event"}));
}

TEST(ChangeChain, NothingIsReportedWhileUpdating)
{
    TLog log;
    TObjectSpy owner(nullptr, log);
    T3DUpdateAbleObject part(&owner);
    part.SetOnChange(log.Event("event"));
    part.BeginUpdate();
    part.BeginUpdate();
    part.NotifyChange(&part);
    part.EndUpdate();
    part.NotifyChange(&part);
    EXPECT_TRUE(log.Lines.empty());
    part.EndUpdate();
    part.NotifyChange(&part);
    EXPECT_EQ(log.Lines.size(), 2u);
    EXPECT_THROW(part.EndUpdate(), EAssertionFailed);
}

TEST(ChangeChain, OwnedCoordinatesOnlyCallCoordinatesNotify)
{
    TLog log;
    TComponentSpy lamp(nullptr, log);
    T3DCoordinates position(&lamp, {1, 0, 0, 1}, csPoint);
    log.Names = {{&lamp, "lamp"}, {&position, "position"}};
    position.SetOnChange(log.Event("event"));
    // The same value still reports, so the scene repaints.
    position.SetComponent(0, 1);
    position.SetY(2);
    EXPECT_EQ(log.Lines, (std::vector<std::string>{"lamp moved by position", "lamp moved by position"}));
    position.BeginUpdate();
    position.SetZ(3);
    position.EndUpdate();
    EXPECT_EQ(log.Lines.size(), 2u);

    // Coordinates owned by anything else report as any updatable object.
    TObjectSpy material(nullptr, log);
    T3DCoordinates scale(&material, {1, 1, 1, 0}, csVector);
    log.Names[&material] = "material";
    log.Names[&scale] = "scale";
    scale.SetOnChange(log.Event("scale event"));
    scale.SetComponent(1, 1);
    EXPECT_EQ(log.Lines.back(), "scale event");
    EXPECT_EQ(log.Lines[log.Lines.size() - 2], "material told by scale");
}

} // namespace
