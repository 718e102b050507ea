#pragma once
// The main window: the schemes, steps, programme and time-table columns,
// the preview column with its lamp scene, the start-up sequence that opens
// the tables and builds the scene, and the question about unsaved changes
// when it closes.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/playlist.h"
#include "dbgrid/engine/gridtypes.h"
#include "platform/data/clientdataset.h"

#include "platform/ui/actnlist.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class IProgrammingView;
class QTimer;
class T3DCadencer;
class T3DCamera;
class T3DDummyCube;
class T3DScene;
class T3DSceneViewer;
class T3DSprite;
class TColorDialog;
class TOpenDialog;
class TSaveDialog;
class TColumnLt;
class TDBComboBoxLt;
class TDBGridLt;
class TDBNumberEditLt;
class TRsComm;

class TfrmMain : public TForm {
    LT_CLASS(TfrmMain)
public:
    explicit TfrmMain(TComponent* AOwner);
    ~TfrmMain() override;

    TTimer* Timer1;
    TAction* acAbout;
    TAction* acHelp;
    TAction* acExit;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void acAboutExecute(TObject* Sender);
    void acHelpExecute(TObject* Sender);
    void acExitExecute(TObject* Sender);

    // Table commands: add, delete, apply, undo the last change, cancel all,
    // and the enabling of apply, undo and cancel all.
#define LT_TABLE_COMMANDS(Table)                          \
    void ac##Table##AddExecute(TObject* Sender);          \
    void ac##Table##DeleteExecute(TObject* Sender);       \
    void ac##Table##ApplyAllExecute(TObject* Sender);     \
    void ac##Table##CancelExecute(TObject* Sender);       \
    void ac##Table##CancelAllExecute(TObject* Sender);    \
    void ac##Table##ApplyAllUpdate(TObject* Sender);
    LT_TABLE_COMMANDS(Schemes)
    LT_TABLE_COMMANDS(Lighting)
    LT_TABLE_COMMANDS(Programm)
    LT_TABLE_COMMANDS(Time)
#undef LT_TABLE_COMMANDS
    // Step commands.
    void acLightingInsertExecute(TObject* Sender);
    void acLightingMoveUpExecute(TObject* Sender);
    void acLightingMoveDownExecute(TObject* Sender);
    void acLightingSaveAsExecute(TObject* Sender);

    // The four grids; rows with pending changes are painted in blue (steps)
    // or red (the others).
    TDBGridLt* grdSchemes = nullptr;
    TDBGridLt* grdLighting = nullptr;
    TDBGridLt* grdProgramm = nullptr;
    TDBGridLt* grdTime = nullptr;
    void grdSchemesGetCellParams(TObject* Sender, TColumnLt* Column, TFont* AFont, TColor& Background,
                                 TGridDrawState State);
    void grdLightingGetCellParams(TObject* Sender, TColumnLt* Column, TFont* AFont, TColor& Background,
                                  TGridDrawState State);
    void grdProgrammGetCellParams(TObject* Sender, TColumnLt* Column, TFont* AFont, TColor& Background,
                                  TGridDrawState State);
    void grdTimeGetCellParams(TObject* Sender, TColumnLt* Column, TFont* AFont, TColor& Background,
                              TGridDrawState State);
    // The commands over the rectangle of steps selected in grdLighting: set
    // their delay, switch all their channels off.
    void acLightingSetDelayExecute(TObject* Sender);
    void acLightingCleanExecute(TObject* Sender);

    // The programming command: saves pending changes on request, checks the
    // time table and opens the programming window.
    void acProgrammExecute(TObject* Sender);
    // The port's state in the programming window.
    void ComPortOpen(TObject* Sender);
    void ComPortClose(TObject* Sender);
    // A device that hung up or failed (CE_IOE): the transfer ends, the port
    // closes and the programming window says so.
    void ComPortError(TObject* Sender, int Errors);

    // ---- The lamp scene and the preview (app/lampscene.cpp, app/preview*.cpp)
    T3DScene* Scene = nullptr;
    T3DDummyCube* Lighting = nullptr;   // the root of the channel groups
    T3DCamera* Camera1 = nullptr;
    T3DSceneViewer* SceneViewer = nullptr;
    T3DCadencer* Cadencer = nullptr;
    TColorDialog* dlgColor = nullptr;
    TDBComboBoxLt* cmbChannels = nullptr;
    TDBComboBoxLt* cmbLamps = nullptr;
    TShape* shpLampColor = nullptr;
    TDBNumberEditLt* edtLampCount = nullptr;
    TDBNumberEditLt* edtRotateSpeed = nullptr;
    TAction* acView = nullptr;
    TAction* acRotate = nullptr;
    TAction* acDefault = nullptr;
    TGroupBox* gbChannels = nullptr;   // the channel boxes, in channel order

    // Channel group Channel (0 .. 15) and its lamp Index (0 .. 15); nullptr
    // for any that was never built.
    T3DDummyCube* ChannelGroup(int Channel) const;
    T3DSprite* Lamp(int Channel, int Index) const;

    // Preview on and off (image 8 off, 9 on); switching it on reads the
    // playlist from the tables.
    void acViewExecute(TObject* Sender);
    // Rotation on and off (image 10 off, 11 on).
    void acRotateExecute(TObject* Sender);
    // One tick: the turn when rotating, one playback step when previewing.
    void CadencerProgress(TObject* Sender, double DeltaTime, double NewTime);
    // The camera and the turn as at the start.
    void acDefaultExecute(TObject* Sender);
    void acChangeColorExecute(TObject* Sender);
    void acRandomColorExecute(TObject* Sender);
    void acSetColorAllExecute(TObject* Sender);
    // A channel box shows or hides its channel group.
    void chkChannel1Click(TObject* Sender);
    // The chosen lamp's colour in the swatch, its channel's lamp count in
    // edtLampCount.
    void cmbLampsChange(TObject* Sender);
    // Shows the first edtLampCount lamps of the chosen channel.
    void edtLampCountChange(TObject* Sender);
    // The selectors and number fields change only through their buttons.
    void cmbPortsKeyPress(TObject* Sender, char32_t& Key);
    // A right press picks a lamp; a left drag orbits the camera, a right
    // drag with Shift, Ctrl or Alt moves the picked lamp.
    void SceneViewerMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SceneViewerMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);

    // Stops the preview and the rotation; every command that opens a window
    // or ends the program runs it first.
    void StopPreview();

    // ---- Scene files and the scene editing window (app/scenecommands.cpp)
    TSaveDialog* dlgSaveScene = nullptr;
    TOpenDialog* dlgOpenScene = nullptr;
    // Writes the groups' visibility, lamp counts, angles and lamp positions
    // into the file chosen in dlgSaveScene.
    void acSaveSceneExecute(TObject* Sender);
    // Reads them back from the file chosen in dlgOpenScene, with every lamp
    // in its start-up look, the channel boxes following the groups, and the
    // view as at the start.
    void acOpenSceneExecute(TObject* Sender);
    // Opens the scene editing window, made anew when none is open.
    void acEditExecute(TObject* Sender);

    TPlaylist Playlist;
    bool ViewOn = false;
    bool RotateOn = false;
    // Cadencer time at which the next row is due; 0: at the next tick.
    double NextTime = 0;
    int PlayEntry = 0;
    int PlayRow = 0;
    int PlayRepeat = 1;   // the pass through the current entry, from 1
    int LastX = 0;
    int LastY = 0;
    T3DSprite* PickedLamp = nullptr;

    // The glow picture of the lamps: "texture.bmp" in the working folder,
    // else beside the executable.
    static std::string TextureFileName();

private:
    // 16 channel groups of 16 lamps under Lighting, a splash mark after
    // every second group.
    void BuildLampScene();
    // Shows row PlayRow of entry PlayEntry on the lamps.
    void ShowRow();
    // Runs Change on every lamp that was built, with its channel (0 .. 15),
    // as one change of the scene.
    void ForEachLamp(const std::function<void(int Channel, T3DSprite* Lamp)>& Change);
    // Runs the cadencer while the preview or the rotation is on.
    void UpdateCadencer();

    template <class T>
    T* Bind(const char* name);
    // The three commands apply, undo and cancel all of a table.
    struct TTableActions {
        TAction* ApplyAll;
        TAction* Cancel;
        TAction* CancelAll;
    };
    TTableActions TableActions(const std::string& Table);
    void UpdateTableActions(TClientDataSet* Table, const std::string& Name);
    void MoveStep(bool Up);
    // Whether a rectangle of steps is selected in grdLighting; says so when
    // not.
    bool StepsSelected() const;
    // Walks the steps from the top to the bottom row of the selected
    // rectangle, each in edit while Change runs, and returns to the current
    // step.
    void ForSelectedSteps(const std::function<void()>& Change);
    // Runs the time-table check of the database; opens the programming window
    // when it passes, else shows the fault and moves the time table to its row.
    void CheckTimeTable();

    // ---- The controller protocol (app/protocol*.cpp) -------------------------
public:
    // The serial line to the controller and its received-characters handler.
    TRsComm* ComPort = nullptr;
    void ComPortRxChar(TObject* Sender, int Count);
    // Everything written has left the port: the answer time-out starts.
    void ComPortTxEmpty(TObject* Sender);

    // The programming window while it is open, else nullptr. Frames received
    // while there is none are dropped; setting nullptr ends a running
    // transfer without a word and empties RxBuffer.
    IProgrammingView* ProgrammingView() const { return FProgrammingView; }
    void SetProgrammingView(IProgrammingView* View);

    // Reads the programme, refuses one the controller cannot take, builds
    // BlockList and starts the transfer with block 0.
    void BuildBlocks();
    // Block k, or past the last block the time table (16 channels) or the
    // closing packet (8 channels).
    void SendBlock(uint8_t k);
    void SendTimeTable();
    // The closing packet; reports that the programme was written.
    void SendFinish();
    // Asks the controller for its time table; ShowTimeTable shows the answer.
    void SendReadRequest();
    void ShowTimeTable(const std::string& Frame);

    // What the transfer waits for: nothing, the acknowledgement of a block,
    // the acknowledgement of the time table.
    enum class TTransferStage { Idle, Blocks, TimeTable };
    TTransferStage TransferStage() const { return FTransferStage; }

    uint8_t ChannelMode = 16;            // 16 or 8, set when writing starts
    std::vector<std::string> BlockList;  // the blocks last built
    uint8_t LastBlockSent = 0;
    std::string RxBuffer;                // received bytes not yet parsed

    // How long a transfer waits for the answer to a frame, counted from when
    // the frame has left the port (so its own time on the line is not part of
    // it): the controller takes up to about 2 s to store a block.
    static constexpr int kAnswerTimeout = 5000;
    int AnswerTimeout() const;
    void SetAnswerTimeout(int Milliseconds);
    // The pauses before the first block and before the time table.
    static constexpr unsigned kSendPause = 800;

protected:
    // Finds ComPort among the loaded components and makes the answer timer.
    void Loaded() override;

private:
    void ActOnFrame(const std::string& Frame);
    // Writes the frame; a transfer then waits for its answer. False when the
    // port did not take it; a device that has failed is then closed.
    bool WriteFrame(const std::string& Frame, TTransferStage Next);
    // Starts the answer time-out once the frame written last has left the
    // port, or can no longer leave it.
    void FrameLeft();
    void AnswerTimedOut();
    // The device is gone: ends the transfer, closes the port and says so,
    // and that the programme was not written when Transferring.
    void PortFailed(bool Transferring);
    void EndTransfer();
    void ResetDisplay();
    void ShowBlockCount(const std::string& Text);
    void ShowProgress(const std::string& Text);
    void ShowBar(int Percent);

    IProgrammingView* FProgrammingView = nullptr;
    TTransferStage FTransferStage = TTransferStage::Idle;
    bool FFrameLeaving = false;   // the frame written last has not left the port yet
    std::unique_ptr<QTimer> FAnswerTimer;   // precise and single-shot
    // ---- end of the controller protocol ---------------------------------------
};

extern TfrmMain* frmMain;

// The caption of the application's message boxes.
inline const std::string kMessageCaption = "  Lighting";
