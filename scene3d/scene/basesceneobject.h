#pragma once
// The node of the scene graph: every drawable object, group, camera and light
// is one. A node lists its children and knows its parent and its scene; it
// keeps its placement as position, direction, up and scale plus three
// angles, derives its local and absolute matrices from them when asked,
// reports every change up to the scene, steps its children, behaviours and
// effects in time, and stores its children, behaviours and effects with the
// description of the form that owns it.
//
// Ownership: a node belongs to a component (the form it was read with, or
// the owner of the node that made it) and is listed by its parent. Freeing
// it either way takes it out of both; freeing a node frees its children,
// the cameras among its descendants first.
//
// Drawing: a render pass calls Render on the scene's object root, which
// draws its own geometry (CompileList, recorded once into a display list
// and replayed) and its children in turn.
#include <GL/gl.h>

#include <array>
#include <memory>
#include <vector>

#include "scene3d/base/coordinates.h"
#include "scene3d/base/displaylistowner.h"
#include "scene3d/geometry/vectortypes.h"
#include "scene3d/lists/geometrybb.h"
#include "scene3d/lists/silhouette.h"
#include "scene3d/scene/sceneobjecttypes.h"

class T3DScene;
class T3DBehaviours;
class T3DObjectEffects;
class T3DListHandle;
class T3DRenderQueue;
struct TRenderContextInfo;

class T3DBaseSceneObject : public T3DCoordinatesUpdateAbleComponent, public IDisplayListOwner {
    LT_CLASS(T3DBaseSceneObject)
public:
    // Frees the cameras among its descendants (their children stay in the
    // tree), takes the node out of its parent's list and frees its children.
    ~T3DBaseSceneObject() override;

    // The virtual operations.

    // The children from the last to the first, then each behaviour, then
    // each effect, then OnProgress.
    void AdvanceTime(const TProgressTimeInfo& ProgressTime) override;
    // Tells the scene, unless the node is updating or has none.
    void NotifyChange(TObject* Sender) override;
    // From the node's own coordinates: a new Direction or Up turns the other
    // so that both stay square and unit length; then PlacementChanged.
    void CoordinatesNotify(T3DCoordinates* Sender) override;
    virtual void SetVisible(bool Value);
    // False here; objects that draw with blending say True.
    virtual bool IsBlended() const;
    // The absolute position of the node's barycentre; here its absolute position.
    virtual TVector CenterPoint() const;
    // The unscaled half-size along the node's own axes; here (0.5, 0.5, 0.5).
    virtual TVector GetHalfExtents() const;
    // Here: the point lies in the bounding sphere (the absolute position,
    // BoundingRadius).
    virtual bool ContainsPoint(const TVector& AbsolutePoint) const;
    // Here: the ray meets the bounding sphere; the point is the first hit,
    // the normal points from the centre to it. Either out-argument may be
    // nullptr. The ray vector need not be unit length.
    virtual bool IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                              TVector* IntersectNormal) const;
    // Here: a circle of 21 segments around the bounding sphere, square to the
    // line of sight, with cap triangles when asked.
    virtual std::unique_ptr<T3DSilhouette> BuildSilhouette(const TSilhouetteParameters& Parameters) const;
    virtual void BeginUpdate();
    // An EndUpdate without its BeginUpdate stops with "Unbalanced
    // Begin/EndUpdate"; the last one calls NotifyChange.
    virtual void EndUpdate();
    // Emits the node's own geometry; nothing here.
    virtual void CompileList(TRenderContextInfo& Rci);

    // Drawing.

    // Draws the node and its subtree for a pass: leaves out what the pass's
    // culling mode finds outside the view, multiplies the local matrix into
    // the model-view matrix, names the node while picking, and shows its
    // axes and runs its effects around DrawObject. A culling mode outside
    // the four stops with "Unknown visibility culling option".
    void Render(TRenderContextInfo& Rci);
    // The node's own geometry (CompileList: directly for an sfDirectDraw
    // node and while a list is recorded, else through the display list),
    // then its children.
    virtual void DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren);
    // The visible children FirstIndex .. LastIndex, under the node's own
    // culling and sorting modes unless they are inherited from the pass.
    virtual void DrawChildren(int FirstIndex, int LastIndex, TRenderContextInfo& Rci);
    // The GL name of the display list of the node's geometry, compiled
    // first when there is none or the structure changed. It is freed with
    // the node, and when the node leaves its scene.
    virtual GLuint GetListHandle(TRenderContextInfo& Rci);
    virtual void DestroyListHandle();
    // DestroyListHandle of the node and every descendant.
    void DestroyHandles();

    // The tree.

    T3DBaseSceneObject* Parent() const { return FParent; }
    T3DScene* Scene() const { return FScene; }
    // Child Index (from 0); nullptr for any index outside 0 .. count - 1.
    T3DBaseSceneObject* GetChild(int Index) const;
    int GetChildCount() const { return static_cast<int>(FChildren.size()); }
    // A new object of the class (a scene-object class with a factory), owned
    // by this node's owner, appended to the children.
    T3DBaseSceneObject* CreateChild(const TClassInfo& AClass);
    template <class T>
    T* CreateChild() { return static_cast<T*>(CreateChild(T::StaticClassInfo())); }
    // The same, as the first child.
    T3DBaseSceneObject* CreateChildFirst(const TClassInfo& AClass);
    // Appends Child (taken from its old parent with its own children) and
    // gives its subtree this node's scene; its lights join the scene.
    virtual void AttachChild(T3DBaseSceneObject* Child);
    // Puts Child at Index (0 .. count) the same way.
    virtual void Insert(int Index, T3DBaseSceneObject* Child);
    // Takes Child out of the list (nothing when it is not there), its subtree
    // out of the scene and, when this node owns it, out of this node's
    // components. With KeepChildren its children move to this node, in order.
    virtual void Remove(T3DBaseSceneObject* Child, bool KeepChildren);
    // Takes the node from its parent and appends it to NewParent; nullptr
    // leaves it detached.
    virtual void MoveTo(T3DBaseSceneObject* NewParent);
    // Frees the children, last first.
    virtual void DeleteChildren();
    // The index among the parent's children; -1 without a parent.
    int IndexOfSelf() const;
    // Moves the node among its siblings (the index clamped to them).
    void MoveToIndex(int NewIndex);

    // Placement. The coordinates belong to the node and report to it.

    T3DCoordinates* Position() const { return FPosition.get(); }
    T3DCoordinates* Direction() const { return FDirection.get(); }
    T3DCoordinates* Up() const { return FUp.get(); }
    T3DCoordinates* Scale() const { return FScale.get(); }
    // X, Y, Z of Value, with a change report.
    void SetPosition(const T3DCoordinates* Value);
    void SetScale(const T3DCoordinates* Value);
    // X, Y, Z of Value unless that is the null vector.
    void SetDirection(const T3DCoordinates* Value);
    void SetUp(const T3DCoordinates* Value);
    // Degrees in -180 .. 180. A new angle turns Direction and Up by the
    // difference (about the right vector, Up or Direction), except while the
    // node is being loaded.
    float PitchAngle() const { return FAngles.X; }
    float TurnAngle() const { return FAngles.Y; }
    float RollAngle() const { return FAngles.Z; }
    void SetPitchAngle(float Value);
    void SetTurnAngle(float Value);
    void SetRollAngle(float Value);

    // Rows: (Up x Direction) * Scale.X, Up * Scale.Y, Direction * Scale.Z, Position.
    const TMatrix& LocalMatrix() const;
    // The local matrix times the parent's absolute matrix; the local matrix
    // alone under a scene root or without a parent.
    const TMatrix& AbsoluteMatrix() const;
    const TMatrix& InvAbsoluteMatrix() const;
    // Takes M as the local matrix: direction, up, scale and position from its rows.
    void SetMatrix(const TMatrix& M);
    TVector AbsolutePosition() const;
    TVector AbsoluteUp() const;
    TVector AbsoluteDirection() const;
    // The absolute matrix of the frame the node stands in: its parent's, or
    // the identity without a parent or under a scene root.
    const TMatrix& ParentAbsoluteMatrix() const;
    TVector ToLocalSpace(const TVector& AbsolutePoint) const;
    TVector ToAbsoluteSpace(const TVector& LocalPoint) const;
    // Direction x Up and Up x Direction.
    TVector RightVector() const;
    TVector LeftVector() const;
    // From CenterPoint.
    float SqrDistanceTo(const TVector& Point) const;
    TVector HalfExtentsScaled() const;
    float BoundingRadius() const;
    float UnscaledBoundingRadius() const;
    // The box of the half extents in the node's own frame, grown by the
    // boxes of all descendants (each through its local matrix), scaled by Scale.
    TAABB BoundingBox() const;
    // The corners of BoundingBox in world coordinates.
    std::array<TAffineVector, 8> AbsoluteBoundingBoxCorners() const;
    // Moves the node on the sphere around Target's absolute position, keeping
    // the distance: PitchDelta degrees towards or away from the node's up
    // pole (stopping 0.025 rad short of either pole), TurnDelta degrees about
    // its up. Nothing for a nil target or a node standing on it.
    void OrbitAboutPoint(const T3DBaseSceneObject* Target, float PitchDelta, float TurnDelta);

    // Settings.

    bool Visible() const { return FVisible; }
    bool ShowAxes() const { return FShowAxes; }
    void SetShowAxes(bool Value);
    T3DObjectsSorting ObjectsSorting() const { return FObjectsSorting; }
    void SetObjectsSorting(T3DObjectsSorting Value);
    T3DVisibilityCulling VisibilityCulling() const { return FVisibilityCulling; }
    void SetVisibilityCulling(T3DVisibilityCulling Value);
    float TagFloat() const { return FTagFloat; }
    void SetTagFloat(float Value) { FTagFloat = Value; }
    const T3DProgressEvent& OnProgress() const { return FOnProgress; }
    void SetOnProgress(T3DProgressEvent Value) { FOnProgress = std::move(Value); }
    // Made on first use.
    T3DBehaviours* Behaviours();
    T3DObjectEffects* Effects();
    // Copies of Value's items.
    void SetBehaviours(const T3DBehaviours* Value);
    void SetEffects(const T3DObjectEffects* Value);
    bool HasBehaviours() const;
    bool HasEffects() const;

    TSceneObjectStyleFlags ObjectStyle() const { return FObjectStyle; }
    TSceneObjectChanges Changes() const { return FChanges; }

    // The change chain.

    // Marks the local matrix stale and the absolute ones of the node and its
    // descendants, then (unless loading) reports the change.
    void PlacementChanged();
    // Marks the display list stale and reports the change (also what the
    // node's colours and materials call).
    void ListInvalidated() override;
    // The update count is above 0 or the node is being read.
    bool IsUpdating() const;

    // Streaming and copying.

    // From another scene object: settings, placement and angles, copies of
    // its children, its behaviours and effects, OnProgress and the tags.
    void Assign(const TPersistent* Source) override;
    // Position.W becomes 1; the behaviours and effects hear of the loading.
    void Loaded() override;
    // "BehavioursData" and "EffectsData": the collections as engine archives,
    // written when they hold items.
    void DefineProperties(TFiler& Filer) override;
    bool HasParent() const override { return FParent != nullptr; }
    TComponent* GetParentComponent() const override { return FParent; }
    // A scene puts the node under its object root, a scene object takes it
    // as its last child; anything else leaves it detached.
    void SetParentComponent(TComponent* Value) override;
    // The children in order.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

protected:
    // Detached (no parent, no scene); every change flag set; at the origin,
    // looking along +Z with +Y up, scale 1, visible. Only descendants are
    // made: a plain node has nothing to show.
    explicit T3DBaseSceneObject(TComponent* AOwner);
    void SetObjectStyle(TSceneObjectStyleFlags Value) { FObjectStyle = Value; }
    // The node's own geometry, the disables the state cache holds back sent
    // first: CompileList directly for an sfDirectDraw node and while a list
    // is recorded, else through the display list.
    void DrawSelf(TRenderContextInfo& Rci);
    // The node and its descendants belong to Value from now on; their
    // display lists go when the scene changes.
    void SetScene(T3DScene* Value);
    // Takes a change of structure as dealt with, for nodes that keep no
    // display list.
    void ClearStructureChange() { FChanges.Exclude(ocStructure); }

private:
    friend class T3DSceneRootObject;

    // The node whose frame this node stands in: the parent, unless that is
    // a scene root (whose children stand in the world).
    const T3DBaseSceneObject* FrameParent() const;
    bool IsSelfOrAncestorOf(const T3DBaseSceneObject* Node) const;
    // Refuses a child that would make a cycle or that is a scene root.
    void CheckAdoptable(const T3DBaseSceneObject* Child) const;
    // Takes Child from its parent's list (with its subtree) before it moves.
    static void Detach(T3DBaseSceneObject* Child);
    void MarkAbsoluteStale();
    void RebuildLocalMatrix() const;
    void SetAngle(int Axis, float Value);
    void RealignFrame(T3DCoordinates* Sender);
    // Removes every camera of the subtree below the node, keeping the
    // camera's children in the tree, and frees it.
    void FreeDescendantCameras();
    // Whether the pass's culling mode draws the node itself.
    bool IsInView(const TRenderContextInfo& Rci) const;
    // DrawObject with the depth test off for an sfIgnoreDepthBuffer node,
    // and the state cache reset after an sfAltersColorsOrWinding node drew
    // itself.
    void DrawWithStyle(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren);
    // The children First .. Last through the render queue in the order of
    // the pass's sorting mode.
    void DrawSortedChildren(int First, int Last, TRenderContextInfo& Rci);

    TSceneObjectStyleFlags FObjectStyle;
    mutable TSceneObjectChanges FChanges;
    std::unique_ptr<T3DCoordinates> FPosition;
    TAffineVector FAngles;
    std::unique_ptr<T3DCoordinates> FDirection;
    std::unique_ptr<T3DCoordinates> FUp;
    std::unique_ptr<T3DCoordinates> FScale;
    mutable TMatrix FLocalMatrix;
    mutable TMatrix FAbsoluteMatrix;
    mutable TMatrix FInvAbsoluteMatrix;
    T3DBaseSceneObject* FParent = nullptr;
    T3DScene* FScene = nullptr;
    std::vector<T3DBaseSceneObject*> FChildren;
    std::unique_ptr<T3DBehaviours> FBehaviours;
    std::unique_ptr<T3DObjectEffects> FEffects;
    std::unique_ptr<T3DListHandle> FListHandle;
    std::unique_ptr<T3DRenderQueue> FRenderQueue;
    bool FVisible = true;
    bool FShowAxes = false;
    T3DObjectsSorting FObjectsSorting = osInherited;
    T3DVisibilityCulling FVisibilityCulling = vcInherited;
    T3DProgressEvent FOnProgress;
    int FUpdateCount = 0;
    bool FCalculating = false;
    float FTagFloat = 0;
};
