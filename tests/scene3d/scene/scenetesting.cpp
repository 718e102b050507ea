#include "tests/scene3d/scene/scenetesting.h"

#include <QApplication>

#include "platform/rtl/classbuilder.h"
#include "scene3d/persistence/virtualarchive.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DTestObject, T3DBaseSceneObject)
{
    PublishSceneObjectProperties(P);
}
LT_IMPLEMENT_CLASS(TCountingScene, T3DScene) {}
LT_IMPLEMENT_CLASS(TTestBehaviour, T3DBehaviour) {}
LT_IMPLEMENT_CLASS(TTestEffect, T3DObjectEffect) {}

[[maybe_unused]] static const bool testItemsRegistered =
    RegisterExtCollectionItemClass<TTestBehaviour>() && RegisterExtCollectionItemClass<TTestEffect>();

void TTestBehaviour::WriteItem(TVirtualWriter& Writer) const
{
    T3DBehaviour::WriteItem(Writer);
    Writer.WriteInteger(Strength);
}

void TTestBehaviour::ReadItem(TVirtualReader& Reader)
{
    T3DBehaviour::ReadItem(Reader);
    Strength = Reader.ReadInteger();
}

void TTestBehaviour::Assign(const TPersistent* Source)
{
    T3DBehaviour::Assign(Source);
    if (const auto* source = dynamic_cast<const TTestBehaviour*>(Source))
        Strength = source->Strength;
}

void TTestEffect::WriteItem(TVirtualWriter& Writer) const
{
    T3DObjectEffect::WriteItem(Writer);
    Writer.WriteString(Colour);
}

void TTestEffect::ReadItem(TVirtualReader& Reader)
{
    T3DObjectEffect::ReadItem(Reader);
    Colour = Reader.ReadString();
}

void TTestEffect::Assign(const TPersistent* Source)
{
    T3DObjectEffect::Assign(Source);
    if (const auto* source = dynamic_cast<const TTestEffect*>(Source))
        Colour = source->Colour;
}

void SceneTest::Settle(const T3DBaseSceneObject& Node)
{
    Node.AbsoluteMatrix();
    Node.InvAbsoluteMatrix();
    for (int i = 0; i < Node.GetChildCount(); ++i)
        Settle(*Node.GetChild(i));
}

std::string ChildNames(const T3DBaseSceneObject& Node)
{
    std::string names;
    for (int i = 0; i < Node.GetChildCount(); ++i)
        names += (i ? " " : "") + Node.GetChild(i)->Name();
    return names;
}

void EnsureApplication()
{
    if (QApplication::instance())
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "scene3d_tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}
