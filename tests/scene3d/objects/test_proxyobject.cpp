// Proxies: another object drawn again at the proxy's place, its extents,
// rays and silhouettes answered for it, and picked under the proxy's name.
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/classbuilder.h"
#include "scene3d/behaviours/behaviourcollections.h"
#include "scene3d/objects/cube.h"
#include "scene3d/objects/proxyobject.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/picklist.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/buffer/buffertesting.h"
#include "tests/scene3d/geometry/geometrytesting.h"

namespace {

// Notes its post-render hook in a log.
class TNotedEffect : public T3DObjectEffect {
    LT_CLASS(TNotedEffect)
public:
    explicit TNotedEffect(TExtCollection* C) : T3DObjectEffect(C, ItemClassOf<TNotedEffect>()) {}
    static std::string KindName() { return "Noted effect"; }
    void PostRender(TRenderContextInfo&) override { Log->push_back("effect"); }
    std::vector<std::string>* Log = nullptr;
};

class TCountingProxy : public T3DProxyObject {
public:
    using T3DProxyObject::T3DProxyObject;
    void NotifyChange(TObject* Sender) override
    {
        ++Changes;
        T3DProxyObject::NotifyChange(Sender);
    }
    int Changes = 0;
};

} // namespace

LT_IMPLEMENT_CLASS(TNotedEffect, T3DObjectEffect) {}

namespace {

TEST(ProxyObject, DefaultsSettersAndAMasterThatGoes)
{
    TComponent owner(nullptr);
    auto* proxy = new TCountingProxy(&owner);
    EXPECT_EQ(proxy->MasterObject(), nullptr);
    EXPECT_EQ(proxy->ProxyOptions(), (T3DProxyObjectOptions{pooEffects, pooObjects, pooTransformation}));
    EXPECT_EQ(proxy->ObjectStyle(), TSceneObjectStyleFlags{sfAltersColorsOrWinding});
    proxy->SetProxyOptions(AllProxyObjectOptions);
    EXPECT_EQ(proxy->Changes, 0);
    proxy->SetProxyOptions({pooObjects});
    EXPECT_EQ(proxy->Changes, 1);

    auto* master = new T3DCube(&owner);
    proxy->SetMasterObject(master);
    proxy->SetMasterObject(master);
    EXPECT_EQ(proxy->Changes, 2);
    auto* copy = new T3DProxyObject(&owner);
    copy->Assign(proxy);
    EXPECT_EQ(copy->MasterObject(), master);
    EXPECT_EQ(copy->ProxyOptions(), T3DProxyObjectOptions{pooObjects});
    delete master;
    EXPECT_EQ(proxy->MasterObject(), nullptr);
    EXPECT_EQ(copy->MasterObject(), nullptr);
    EXPECT_TRUE(Near(proxy->GetHalfExtents(), {0.5f, 0.5f, 0.5f, 0}));
}

// A cube of 2 x 4 x 6 at (10, 0, 0) as the master of a proxy at
// (0, 0, -20): the proxy's frame stands for the cube's own, or, with
// pooTransformation, for the frame the cube stands in.
TEST(ProxyObject, ExtentsRaysAndSilhouettesAreTheMasters)
{
    TComponent owner(nullptr);
    auto* cube = new T3DCube(&owner);
    cube->SetCubeWidth(2);
    cube->SetCubeHeight(4);
    cube->SetCubeDepth(6);
    cube->Position()->AssignPoint(10, 0, 0);
    auto* proxy = new T3DProxyObject(&owner);
    proxy->Position()->AssignPoint(0, 0, -20);
    proxy->SetMasterObject(cube);
    proxy->SetProxyOptions({pooObjects});
    EXPECT_TRUE(Near(proxy->GetHalfExtents(), {1, 2, 3, 0}));

    TVector point;
    TVector normal;
    ASSERT_TRUE(proxy->IntersectRay({0, 0, 0, 1}, {0, 0, -1, 0}, &point, &normal));
    EXPECT_TRUE(Near(point, {0, 0, -20 + 3.0006f, 1}, 1e-4));
    EXPECT_TRUE(Near(normal, {0, 0, 1, 0}, 1e-5));
    proxy->SetTurnAngle(90);
    ASSERT_TRUE(proxy->IntersectRay({0, 0, 0, 1}, {0, 0, -1, 0}, &point, &normal));
    EXPECT_TRUE(Near(point, {0, 0, -20 + 1.0002f, 1}, 1e-4)) << "the proxy's turn shows the cube's side";
    EXPECT_TRUE(Near(normal, {0, 0, 1, 0}, 1e-5));
    proxy->SetTurnAngle(0);

    proxy->SetProxyOptions({pooObjects, pooTransformation});
    EXPECT_FALSE(proxy->IntersectRay({0, 0, 0, 1}, {0, 0, -1, 0}, nullptr, nullptr));
    ASSERT_TRUE(proxy->IntersectRay({10, 1, 0, 1}, {0, 0, -1, 0}, &point, &normal));
    EXPECT_TRUE(Near(point, {10, 1, -20 + 3.0006f, 1}, 1e-4));
    EXPECT_FALSE(proxy->IntersectRay({0, 0, -40, 1}, {1, 0, 0, 0}, nullptr, nullptr));

    TSilhouetteParameters inFront;
    inFront.Viewpoint = {0, 0, 10};
    const std::unique_ptr<T3DSilhouette> own = cube->BuildSilhouette(inFront);
    const std::unique_ptr<T3DSilhouette> proxied = proxy->BuildSilhouette(inFront);
    ASSERT_EQ(proxied->Indices().Count(), own->Indices().Count());
    for (int i = 0; i < own->Indices().Count(); ++i)
        EXPECT_TRUE(Near(proxied->Vertices().Items(proxied->Indices().Items(i)),
                         own->Vertices().Items(own->Indices().Items(i))));
}

// A proxy of itself, or two proxies of each other, ask their master once
// and then answer as a plain node.
TEST(ProxyObject, QuestionsThatComeBackGetThePlainAnswer)
{
    TComponent owner(nullptr);
    auto* self = new T3DProxyObject(&owner);
    self->SetMasterObject(self);
    EXPECT_TRUE(Near(self->GetHalfExtents(), {0.5f, 0.5f, 0.5f, 0}));
    EXPECT_TRUE(self->IntersectRay({0, 0, 5, 1}, {0, 0, -1, 0}, nullptr, nullptr));
    EXPECT_EQ(self->BuildSilhouette({})->Indices().Count(), 2 * 21);

    auto* first = new T3DProxyObject(&owner);
    auto* second = new T3DProxyObject(&owner);
    first->SetMasterObject(second);
    second->SetMasterObject(first);
    second->Scale()->AssignVector(4, 4, 4);
    EXPECT_TRUE(Near(first->GetHalfExtents(), {0.5f, 0.5f, 0.5f, 0}));
    // The first shows the second, which shows the first four times as
    // large: a sphere of radius 4 x 0.866 around the origin.
    EXPECT_TRUE(first->IntersectRay({3, 0, 5, 1}, {0, 0, -1, 0}, nullptr, nullptr));
    EXPECT_FALSE(first->IntersectRay({3.6f, 0, 5, 1}, {0, 0, -1, 0}, nullptr, nullptr));
}

class ProxyDrawing : public RenderTest {
protected:
    // The pixel (from the bottom row) where the camera shows the world point P.
    std::array<int, 2> PixelOf(const TAffineVector& P) const
    {
        GLdouble modelView[16];
        GLdouble projection[16];
        GLint viewport[4];
        GL.glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        GL.glGetDoublev(GL_PROJECTION_MATRIX, projection);
        GL.glGetIntegerv(GL_VIEWPORT, viewport);
        std::array<double, 3> window{};
        GL.gluProject(P.X, P.Y, P.Z, modelView, projection, viewport, &window[0], &window[1], &window[2]);
        return {static_cast<int>(window[0]), static_cast<int>(window[1])};
    }
    bool LitAt(const std::vector<TRGBA>& Frame, const TAffineVector& P) const
    {
        const std::array<int, 2> at = PixelOf(P);
        return Pixel(Frame, at[0], at[1])[0] > 0;
    }
};

// A red square at (1, 0, -20), shown again by a proxy at (-1, 0, -20):
// under the square's own matrix the copy stands at (0, 0, -40), without it
// at the proxy's place. The master need not be visible itself.
TEST_F(ProxyDrawing, TheMasterIsDrawnAgainAtTheProxysPlace)
{
    TDrawnObject* master = Drawn(FScene->Objects(), "master", {1, 0, -20});
    master->Colour = {1, 0, 0, 1};
    auto* proxy = FScene->Objects()->CreateChild<T3DProxyObject>();
    proxy->Position()->AssignPoint(-1, 0, -20);
    proxy->SetMasterObject(master);
    RenderObjects();
    std::vector<TRGBA> frame = Frame();
    SaveFrame(frame, "proxy.png");
    EXPECT_EQ(Drawing(), "master master");
    EXPECT_TRUE(LitAt(frame, {1, 0, -20}));
    EXPECT_TRUE(LitAt(frame, {0, 0, -40}));
    EXPECT_FALSE(LitAt(frame, {-1, 0, -20}));

    GL.glClear(GL_COLOR_BUFFER_BIT);
    proxy->SetProxyOptions({pooObjects});
    master->SetVisible(false);
    RenderObjects();
    frame = Frame();
    EXPECT_EQ(Drawing(), "master");
    EXPECT_FALSE(LitAt(frame, {1, 0, -20}));
    EXPECT_FALSE(LitAt(frame, {0, 0, -40}));
    EXPECT_TRUE(LitAt(frame, {-1, 0, -20}));

    proxy->SetProxyOptions({pooTransformation});
    RenderObjects();
    EXPECT_EQ(Drawing(), "");
}

// The master with its children, then the proxy's own children, then the
// master's effects; a hidden proxy shows nothing of it.
TEST_F(ProxyDrawing, TheMastersChildrenAndEffectsComeWithIt)
{
    auto* master = new TDrawnObject(FOwner.get());
    master->SetName("master");
    master->Log = &FLog;
    master->SetStyle({sfDirectDraw});
    Drawn(master, "part");
    auto* effect = new TNotedEffect(master->Effects());
    effect->Log = &FLog;
    auto* proxy = FScene->Objects()->CreateChild<T3DProxyObject>();
    proxy->SetMasterObject(master);
    Drawn(proxy, "own");
    RenderObjects();
    EXPECT_EQ(Drawing(), "master part own effect");
    proxy->SetProxyOptions({pooObjects});
    RenderObjects();
    EXPECT_EQ(Drawing(), "master part own");
    proxy->SetVisible(false);
    RenderObjects();
    EXPECT_EQ(Drawing(), "");
    delete master;
}

// The proxy below the object it shows reaches itself again while drawing
// it, and stops there: the group is drawn by itself and once through the
// proxy.
TEST_F(ProxyDrawing, AProxyOfItsOwnAncestorDrawsItOnce)
{
    TDrawnObject* group = Drawn(FScene->Objects(), "group", {0, 0, -10});
    TDrawnObject* inner = Drawn(group, "inner");
    auto* proxy = inner->CreateChild<T3DProxyObject>();
    proxy->SetMasterObject(group);
    RenderObjects();
    EXPECT_EQ(Drawing(), "group inner group inner");
    // Two proxies of each other draw each other once.
    auto* first = FScene->Objects()->CreateChild<T3DProxyObject>();
    auto* second = FScene->Objects()->CreateChild<T3DProxyObject>();
    first->SetMasterObject(second);
    second->SetMasterObject(first);
    RenderObjects();
    EXPECT_EQ(Drawing(), "group inner group inner");
}

class ProxyPicking : public BufferTest {};

// What the master draws is picked as the proxy; the master's children come
// as the hit's sub-object names.
TEST_F(ProxyPicking, TheMasterIsPickedUnderTheProxysName)
{
    auto* master = new TDrawnObject(FOwner.get());
    master->SetStyle({sfDirectDraw});
    Square("part", 0, {0, 1, 0, 1}, master)->SetStyle({sfDirectDraw});
    auto* proxy = FScene->Objects()->CreateChild<T3DProxyObject>();
    proxy->Position()->AssignPoint(0, 0, -10);
    proxy->SetMasterObject(master);
    const std::unique_ptr<T3DPickList> picks =
        FBuffer->PickListForRect({Size / 2 - 1, Size / 2 - 1, Size / 2 + 1, Size / 2 + 1}, 4);
    ASSERT_EQ(picks->Count(), 2);
    int withPart = 0;
    for (int i = 0; i < picks->Count(); ++i) {
        EXPECT_EQ(picks->Hit(i), proxy);
        withPart += picks->Record(i).SubObjects.size() == 1;
    }
    EXPECT_EQ(withPart, 1);
    EXPECT_EQ(FBuffer->PickObjectAtPixel(Size / 2, Size / 2), proxy);
    delete master;
}

} // namespace
