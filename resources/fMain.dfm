object frmMain: TfrmMain
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Kalvor Lighting — программирование световых контроллеров'
  ClientHeight = 460
  ClientWidth = 738
  Position = poScreenCenter
  ShowHint = True
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnShow = FormShow
  object pnlLeft: TPanel
    Left = 0
    Top = 0
    Width = 254
    Height = 460
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object pnlSchemes: TPanel
      Left = 0
      Top = 0
      Width = 254
      Height = 182
      Align = alTop
      BevelOuter = bvNone
      TabOrder = 0
      object tbSchemes: TToolBar
        Left = 0
        Top = 0
        Width = 254
        Height = 24
        AutoSize = True
        Flat = True
        Images = ilToolbar
        TabOrder = 0
        object btnSchemesAdd: TToolButton
          Left = 0
          Top = 0
          Action = acSchemesAdd
        end
        object btnSchemesDelete: TToolButton
          Left = 23
          Top = 0
          Action = acSchemesDelete
        end
        object sepSchemes2: TToolButton
          Left = 46
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
        object btnSchemesApplyAll: TToolButton
          Left = 54
          Top = 0
          Action = acSchemesApplyAll
        end
        object btnSchemesCancel: TToolButton
          Left = 77
          Top = 0
          Action = acSchemesCancel
        end
        object btnSchemesCancelAll: TToolButton
          Left = 100
          Top = 0
          Action = acSchemesCancelAll
        end
        object sepSchemes6: TToolButton
          Left = 123
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
      end
      object grdSchemes: TDBGridLt
        Left = 0
        Top = 24
        Width = 254
        Height = 158
        Hint = 'Схемы'
        Align = alClient
        AllowedOperations = [alopUpdateLt]
        Color = clBtnFace
        Columns = <
          item
            FieldName = 'FNAME'
            Title.Caption = 'Наименование схемы'
            Width = 228
          end>
        DataSource = DM.dsSchemes
        Flat = True
        Options = [dgEditing, dgTitles, dgColLines, dgRowLines, dgTabs, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
        RowHeight = 12
        TabOrder = 1
        UseMultiTitle = True
        VertScrollBar.Tracking = True
        OnGetCellParams = grdSchemesGetCellParams
      end
    end
    object splSchemes: TSplitter
      Left = 0
      Top = 182
      Width = 254
      Height = 3
      Cursor = crVSplit
      Align = alTop
    end
    object pnlLighting: TPanel
      Left = 0
      Top = 185
      Width = 254
      Height = 275
      Align = alClient
      BevelOuter = bvNone
      TabOrder = 1
      object tbLighting: TToolBar
        Left = 0
        Top = 0
        Width = 254
        Height = 24
        AutoSize = True
        Flat = True
        Images = ilToolbar
        TabOrder = 0
        object btnLightingInsert: TToolButton
          Left = 0
          Top = 0
          Action = acLightingInsert
        end
        object btnLightingAdd: TToolButton
          Left = 23
          Top = 0
          Action = acLightingAdd
        end
        object btnLightingDelete: TToolButton
          Left = 46
          Top = 0
          Action = acLightingDelete
        end
        object sepLighting3: TToolButton
          Left = 69
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
        object btnLightingApplyAll: TToolButton
          Left = 77
          Top = 0
          Action = acLightingApplyAll
        end
        object btnLightingCancelAll: TToolButton
          Left = 100
          Top = 0
          Action = acLightingCancelAll
        end
        object sepLighting6: TToolButton
          Left = 123
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
        object btnLightingMoveUp: TToolButton
          Left = 131
          Top = 0
          Action = acLightingMoveUp
        end
        object btnLightingMoveDown: TToolButton
          Left = 154
          Top = 0
          Action = acLightingMoveDown
        end
        object btnLightingSaveAs: TToolButton
          Left = 177
          Top = 0
          Action = acLightingSaveAs
        end
        object btnLightingSetDelay: TToolButton
          Left = 200
          Top = 0
          Action = acLightingSetDelay
        end
        object btnLightingClean: TToolButton
          Left = 223
          Top = 0
          Action = acLightingClean
        end
      end
      object grdLighting: TDBGridLt
        Left = 0
        Top = 24
        Width = 254
        Height = 251
        Hint = 'Состояние каналов по выбранной схеме'
        Align = alClient
        AllowedOperations = [alopUpdateLt]
        Color = clBtnFace
        Columns = <
          item
            FieldName = 'FDELAY'
            Title.Caption = 'мс'
            Width = 34
          end
          item
            DblClickNextVal = True
            FieldName = 'F1'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  1'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F2'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  2'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F3'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  3'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F4'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  4'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F5'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  5'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F6'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  6'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F7'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  7'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F8'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  8'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F9'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = '  9'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F10'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = ' 10'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F11'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = ' 11'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F12'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = ' 12'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F13'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = ' 13'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F14'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = ' 14'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F15'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = ' 15'
            Title.Orientation = tohVertical
            Width = 11
          end
          item
            DblClickNextVal = True
            FieldName = 'F16'
            ImageList = ilChannels
            KeyList.Strings = (
          '1'
          '0')
            Title.Caption = ' 16'
            Title.Orientation = tohVertical
            Width = 11
          end>
        DataSource = DM.dsLighting
        Flat = True
        FrozenCols = 1
        Options = [dgEditing, dgTitles, dgColLines, dgRowLines, dgTabs, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect]
        TabOrder = 1
        UseMultiTitle = True
        VertScrollBar.Tracking = True
        OnGetCellParams = grdLightingGetCellParams
      end
    end
  end
  object pnlCenter: TPanel
    Left = 0
    Top = 0
    Width = 213
    Height = 460
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object pnlProgramm: TPanel
      Left = 0
      Top = 0
      Width = 213
      Height = 296
      Align = alTop
      BevelOuter = bvNone
      TabOrder = 0
      object tbProgramm: TToolBar
        Left = 0
        Top = 0
        Width = 213
        Height = 24
        AutoSize = True
        Flat = True
        Images = ilToolbar
        TabOrder = 0
        object btnProgrammAdd: TToolButton
          Left = 0
          Top = 0
          Action = acProgrammAdd
        end
        object btnProgrammDelete: TToolButton
          Left = 23
          Top = 0
          Action = acProgrammDelete
        end
        object sepProgramm2: TToolButton
          Left = 46
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
        object btnProgrammApplyAll: TToolButton
          Left = 54
          Top = 0
          Action = acProgrammApplyAll
        end
        object btnProgrammCancel: TToolButton
          Left = 77
          Top = 0
          Action = acProgrammCancel
        end
        object btnProgrammCancelAll: TToolButton
          Left = 100
          Top = 0
          Action = acProgrammCancelAll
        end
        object sepProgramm6: TToolButton
          Left = 123
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
      end
      object grdProgramm: TDBGridLt
        Left = 0
        Top = 24
        Width = 213
        Height = 272
        Hint = 'Набор схем для прошивки устройства'
        Align = alClient
        AllowedOperations = [alopUpdateLt]
        Color = clBtnFace
        Columns = <
          item
            AlwaysShowEditButton = True
            FieldName = 'FSCHEMENAME'
            Title.Caption = 'Наименование схемы'
            Width = 130
          end
          item
            FieldName = 'FCOUNT'
            Title.Caption = 'кол-во'
            Width = 48
          end>
        DataSource = DM.dsProgramm
        Flat = True
        Options = [dgEditing, dgTitles, dgColLines, dgRowLines, dgTabs, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
        RowHeight = 12
        TabOrder = 1
        UseMultiTitle = True
        VertScrollBar.Tracking = True
        OnGetCellParams = grdProgrammGetCellParams
      end
    end
    object splProgramm: TSplitter
      Left = 0
      Top = 296
      Width = 213
      Height = 3
      Cursor = crVSplit
      Align = alTop
    end
    object pnlTime: TPanel
      Left = 0
      Top = 299
      Width = 213
      Height = 161
      Align = alClient
      BevelOuter = bvNone
      TabOrder = 1
      object tbTime: TToolBar
        Left = 0
        Top = 0
        Width = 213
        Height = 24
        AutoSize = True
        Flat = True
        Images = ilToolbar
        TabOrder = 0
        object btnTimeAdd: TToolButton
          Left = 0
          Top = 0
          Action = acTimeAdd
        end
        object btnTimeDelete: TToolButton
          Left = 23
          Top = 0
          Action = acTimeDelete
        end
        object sepTime2: TToolButton
          Left = 46
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
        object btnTimeApplyAll: TToolButton
          Left = 54
          Top = 0
          Action = acTimeApplyAll
        end
        object btnTimeCancel: TToolButton
          Left = 77
          Top = 0
          Action = acTimeCancel
        end
        object btnTimeCancelAll: TToolButton
          Left = 100
          Top = 0
          Action = acTimeCancelAll
        end
        object sepTime6: TToolButton
          Left = 123
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
      end
      object grdTime: TDBGridLt
        Left = 0
        Top = 24
        Width = 213
        Height = 137
        Hint = 'Набор схем для прошивки устройства'
        Align = alClient
        AllowedOperations = [alopUpdateLt]
        Color = clBtnFace
        Columns = <
          item
            FieldName = 'FONHOUR'
            Title.Caption = 'Включить в ...|час.'
            Width = 42
          end
          item
            FieldName = 'FONMINUTE'
            Title.Caption = 'Включить в ...|мин.'
            Width = 42
          end
          item
            FieldName = 'FTOHOUR'
            Title.Caption = 'Работать по ...|час.'
            Width = 42
          end
          item
            FieldName = 'FTOMINUTE'
            Title.Caption = 'Работать по ...|мин.'
            Width = 42
          end>
        DataSource = DM.dsTime
        Flat = True
        Options = [dgEditing, dgTitles, dgColLines, dgRowLines, dgTabs, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
        RowHeight = 12
        TabOrder = 1
        UseMultiTitle = True
        VertScrollBar.Tracking = True
        OnGetCellParams = grdTimeGetCellParams
      end
    end
  end
  object pnlRight: TPanel
    Left = 467
    Top = 0
    Width = 271
    Height = 460
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 2
    object pnlView: TPanel
      Left = 0
      Top = 0
      Width = 271
      Height = 286
      Align = alTop
      BevelOuter = bvNone
      TabOrder = 0
      object tbView: TToolBar
        Left = 0
        Top = 0
        Width = 271
        Height = 24
        AutoSize = True
        Flat = True
        Images = ilToolbar
        TabOrder = 0
        object btnOpenScene: TToolButton
          Left = 0
          Top = 0
          Action = acOpenScene
        end
        object btnSaveScene: TToolButton
          Left = 23
          Top = 0
          Action = acSaveScene
        end
        object sepView3: TToolButton
          Left = 46
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
        object btnView: TToolButton
          Left = 54
          Top = 0
          Action = acView
        end
        object btnRotate: TToolButton
          Left = 77
          Top = 0
          Action = acRotate
        end
        object sepView6: TToolButton
          Left = 100
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
        object btnDefault: TToolButton
          Left = 108
          Top = 0
          Action = acDefault
        end
        object btnEdit: TToolButton
          Left = 131
          Top = 0
          Action = acEdit
        end
        object btnProgramm: TToolButton
          Left = 154
          Top = 0
          Action = acProgramm
        end
        object sepView10: TToolButton
          Left = 177
          Top = 0
          Width = 8
          Style = tbsSeparator
        end
        object btnAbout: TToolButton
          Left = 185
          Top = 0
          Action = acAbout
        end
        object btnHelp: TToolButton
          Left = 208
          Top = 0
          Action = acHelp
        end
        object btnExit: TToolButton
          Left = 231
          Top = 0
          Action = acExit
        end
      end
      object SceneViewer: T3DSceneViewer
        Left = 0
        Top = 24
        Width = 271
        Height = 262
        Camera = Camera1
        Buffer.BackgroundColor = clBlack
        Buffer.DepthTest = False
        FieldOfView = 137.0208
        Align = alClient
        OnMouseDown = SceneViewerMouseDown
        OnMouseMove = SceneViewerMouseMove
      end
    end
    object gbChannels: TGroupBox
      Left = 0
      Top = 286
      Width = 271
      Height = 64
      Align = alTop
      Caption = '  Включить каналы  '
      TabOrder = 1
      object chkChannel1: TDBCheckBoxLt
        Left = 6
        Top = 18
        Width = 32
        Height = 17
        Caption = '1'
        State = cbChecked
        TabOrder = 0
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt1: TDBCheckBoxLt
        Left = 39
        Top = 18
        Width = 32
        Height = 17
        Caption = '2'
        State = cbChecked
        TabOrder = 1
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt2: TDBCheckBoxLt
        Left = 72
        Top = 18
        Width = 32
        Height = 17
        Caption = '3'
        State = cbChecked
        TabOrder = 2
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt3: TDBCheckBoxLt
        Left = 105
        Top = 18
        Width = 32
        Height = 17
        Caption = '4'
        State = cbChecked
        TabOrder = 3
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt4: TDBCheckBoxLt
        Left = 138
        Top = 18
        Width = 32
        Height = 17
        Caption = '5'
        State = cbChecked
        TabOrder = 4
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt5: TDBCheckBoxLt
        Left = 171
        Top = 18
        Width = 32
        Height = 17
        Caption = '6'
        State = cbChecked
        TabOrder = 5
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt6: TDBCheckBoxLt
        Left = 204
        Top = 18
        Width = 32
        Height = 17
        Caption = '7'
        State = cbChecked
        TabOrder = 6
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt7: TDBCheckBoxLt
        Left = 237
        Top = 18
        Width = 32
        Height = 17
        Caption = '8'
        State = cbChecked
        TabOrder = 7
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt8: TDBCheckBoxLt
        Left = 6
        Top = 38
        Width = 32
        Height = 17
        Caption = '9'
        State = cbChecked
        TabOrder = 8
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt9: TDBCheckBoxLt
        Left = 39
        Top = 38
        Width = 32
        Height = 17
        Caption = '10'
        State = cbChecked
        TabOrder = 9
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt10: TDBCheckBoxLt
        Left = 72
        Top = 38
        Width = 32
        Height = 17
        Caption = '11'
        State = cbChecked
        TabOrder = 10
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt11: TDBCheckBoxLt
        Left = 105
        Top = 38
        Width = 32
        Height = 17
        Caption = '12'
        State = cbChecked
        TabOrder = 11
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt12: TDBCheckBoxLt
        Left = 138
        Top = 38
        Width = 32
        Height = 17
        Caption = '13'
        State = cbChecked
        TabOrder = 12
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt13: TDBCheckBoxLt
        Left = 171
        Top = 38
        Width = 32
        Height = 17
        Caption = '14'
        State = cbChecked
        TabOrder = 13
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt14: TDBCheckBoxLt
        Left = 204
        Top = 38
        Width = 32
        Height = 17
        Caption = '15'
        State = cbChecked
        TabOrder = 14
        OnClick = chkChannel1Click
      end
      object DBCheckBoxLt15: TDBCheckBoxLt
        Left = 237
        Top = 38
        Width = 32
        Height = 17
        Caption = '16'
        State = cbChecked
        TabOrder = 15
        OnClick = chkChannel1Click
      end
    end
    object gbSettings: TGroupBox
      Left = 0
      Top = 350
      Width = 271
      Height = 110
      Align = alClient
      Caption = '  Настройка    '
      TabOrder = 2
      object shpLampColor: TShape
        Left = 8
        Top = 50
        Width = 22
        Height = 22
        Hint = 'цвет выбранного канала'
        Brush.Color = clRed
      end
      object cmbChannels: TDBComboBoxLt
        Left = 8
        Top = 20
        Width = 60
        Height = 21
        Hint = '№ канала'
        Items.Strings = (
          '1'
          '2'
          '3'
          '4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16')
        TabOrder = 0
        OnChange = cmbLampsChange
        OnKeyPress = cmbPortsKeyPress
      end
      object cmbLamps: TDBComboBoxLt
        Left = 74
        Top = 20
        Width = 60
        Height = 21
        Hint = '№ источника'
        Items.Strings = (
          '1'
          '2'
          '3'
          '4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16')
        TabOrder = 1
        OnChange = cmbLampsChange
        OnKeyPress = cmbPortsKeyPress
      end
      object edtLampCount: TDBNumberEditLt
        Left = 140
        Top = 20
        Width = 56
        Height = 21
        Hint = 'количество источников в канале'
        DecimalPlaces = 0
        EditButton.Style = ebsUpDownLt
        EditButton.Visible = True
        MaxValue = 16
        MinValue = 1
        TabOrder = 2
        Value = 16
        OnChange = edtLampCountChange
        OnKeyPress = cmbPortsKeyPress
      end
      object edtRotateSpeed: TDBNumberEditLt
        Left = 140
        Top = 50
        Width = 56
        Height = 21
        Hint = 'скорость вращения'
        DecimalPlaces = 0
        EditButton.Style = ebsUpDownLt
        EditButton.Visible = True
        MaxValue = 100
        MinValue = 1
        TabOrder = 3
        Value = 1
        OnKeyPress = cmbPortsKeyPress
      end
      object tbColors: TToolBar
        Left = 36
        Top = 49
        Width = 72
        Height = 24
        Align = alNone
        AutoSize = True
        Flat = True
        Images = ilToolbar
        TabOrder = 4
        object btnChangeColor: TToolButton
          Left = 0
          Top = 0
          Action = acChangeColor
        end
        object btnRandomColor: TToolButton
          Left = 23
          Top = 0
          Action = acRandomColor
        end
        object btnSetColorAll: TToolButton
          Left = 46
          Top = 0
          Action = acSetColorAll
        end
      end
    end
  end
  object ComPort: TRsComm
    Baudrate = br9600
    Databits = db8
    Parity = paNone
    Stopbits = sb1
    FlowControl.OutCtsFlow = False
    FlowControl.OutDsrFlow = False
    FlowControl.ControlDtr = dtrDisabled
    FlowControl.ControlRts = rtsEnabled
    FlowControl.XonXoffOut = False
    FlowControl.XonXoffIn = False
    OnOpen = ComPortOpen
    OnClose = ComPortClose
    OnTxEmpty = ComPortTxEmpty
    OnError = ComPortError
    OnRxChar = ComPortRxChar
  end
  object Scene: T3DScene
    object Lighting: T3DDummyCube
      CubeSize = 1
    end
    object Camera1: T3DCamera
      DepthOfView = 100
      FocalLength = 50
      TargetObject = Lighting
      Position.Coordinates = {0000000000000000000070C10000803F}
    end
  end
  object Cadencer: T3DCadencer
    Scene = Scene
    Enabled = False
    OnProgress = CadencerProgress
  end
  object dlgColor: TColorDialog
  end
  object dlgSaveScene: TSaveDialog
    DefaultExt = 'vkt'
    Filter = 'kalvor lighting scenes *.vkt|*.vkt'
    Title = ' Сохранение файла сцены'
  end
  object dlgOpenScene: TOpenDialog
    DefaultExt = 'vkt'
    Filter = 'kalvor lighting scenes *.vkt|*.vkt'
    Title = ' Открытие файла сцены'
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 1500
    OnTimer = Timer1Timer
  end
  object ilToolbar: TImageList
    Bitmap = {
      4C54494C01100010001A00000089504E470D0A1A0A0000000D49484452000001
      A0000000100806000000508BAB980000000467414D410000B18F0BFC61050000
      00206348524D00007A26000080840000FA00000080E8000075300000EA600000
      3A98000017709CBA513C00000006624B474400FF00FF00FFA0BDA79300000428
      4944415478DAED9C314E63311086C7ABBD06AF8AB6CB5E813237A00241450A14
      BA9743241D1145A84050718394B9C2D2AD523D0EE22D9059CB19DB63FB3DDB0F
      E69310E41183F178E6F78C6D8404090CC3300C939B1FA53BC0300CC37C4F5880
      188661BE2093B39D9C9CEDAA2E71FD2CDD8121D107FFF03A13D476FB5FBFE5E9
      DF3FC2F69A1906D359426C06F06127FD35DB2C1C6583D0B1AF8D9BD3A7CFB970
      BFBF1CCDDFB23B9F7CF67BF67228D6EF545FA4E214A06635950000DDF2ADA801
      43FB81A93ED5B1541053A263BE76B5D527BD0B9B43AC170DA97DBBE9D0F6CD62
      4D6ADF6D5ABC7DA2BD4D01B0611B47651B9BFD7CB6533F17EB47C822420F028A
      906030793CEEFFE18AEEC0EB93DBA3F6EDFB1DB9FDC5EA781E3D2FBBEC3E4CB1
      99F97ECAFBA83FF37E7F29A83EA983F9A1CDE730E6D7F3A3F6DB87ADB7BD293E
      BBF3894C11A158D130EDA632A92144A8FA0C2825289A8318DA9E1A50755C933E
      D62142E836AD68166BA93EDB9EB928B9F0482D19C4D84CC7141F1500D4735F40
      983CEEA42E364A8CD4679F10AD4F6E2526364A947C4284898FFE3CB7108504AE
      C3EB4CF8EC3F7466B65E3452898DF935805F88E6D77389898D12258A10E9E293
      2242B1D96C1F634CAD4654BD071493F9E8838E95E07C13DC3650B9CA39EDA613
      AE8F1C7D5034ABA95436C889CD01A8E264B3954F9CB0CC47410902A6F8846213
      1F005A0664131F86862E382614DFB3890F005D78003EE6A12942A5C62446C46C
      1508ECBD4719101670F4672E31F03938258837ABA9EC966F2235F0612BAF31D4
      B5A965B89CE4CA8862F7EC14FAFCE3FD9F7452F683745BF695058DC17F5D6C1F
      B6C2255200FFB39FD2E293B27FEEFB9EEE9B5596E0A88267A24FDED8C96A1BC0
      5C07117C2BAD920235B410514A302EF43DBB21E8A32E9F9225B5EF77C2952551
      B85835925A8653F618AAFE3F064C7F7365497D818950EABC8B25D4EEA131F248
      80F4E0121A70FA0ED0A9FB3EA160754BFD590E11AA310352E4DA13C2364101E8
      B6C54E31028C232BC20E2084E013176A99CE5C08848850EC211205B610A1B6C5
      F6586F4E9F64CC49384C6872F967E94C28B502E1A2FA0C08A0CC06B82E386A90
      B0674352630694D316FAAADB7C4E69AFEC35C491EC3E56A1297B440061A7E14C
      28D98F39CE633B96AD84668863D8A9D98FAFFC66621E80C9492EBB572740A58F
      7C63812AE7CAB9A60CA8942D52277DACBD52579A87AB99E8A3C416FBFB9F979D
      0829B1F9880942AE126A6C1614331FD489D310F169379D481119CA1E4F0C25EF
      030D8D53804A8BC158495971D590017D67BB6322443D820DE016218A30B94488
      92FD6022147B047B2C598F8DD8B29B2942D423D800B808851CC1EE9314FBC5B4
      8D59F809FE67A4FD31F68BA8A9A45E44AD8D10E131D12FA3C66644D4BB3F18FA
      5E4FAEBB3F7D5F242D89EE8B3119917E1935B7F08C091620866118A608555F44
      65188661BE2EFF00FFAA8035293B93800000000049454E44AE426082}
  end
  object ilChannels: TImageList
    Bitmap = {
      4C54494C010A000A000200000089504E470D0A1A0A0000000D49484452000000
      140000000A0806000000B4557EE60000000467414D410000B18F0BFC61050000
      00206348524D00007A26000080840000FA00000080E8000075300000EA600000
      3A98000017709CBA513C00000006624B474400FF00FF00FFA0BDA79300000010
      63614E760000000A0000000A0000000000000000FC47CB14000001B149444154
      28CFADD2318B13511405E073DFF34D9549B20E64B7113490A94C6CB658D84E11
      8BE9A61116ACC43E44F0472C18F21F04CBE9A608E91616B6D82A69D619880B82
      2CC2649399ACC27BDC791649244110114F79B97C5CB887B0CEE909A4E7A98008
      2100588B28CB4CFCEE23185BE976BBB25EAB0644B4DEB3D17C91C783C1800180
      00E0FD2B3A909212AD4BB7DDA9000026E3251C4714CCD67FFBC1DE0040AFD73B
      905226C618D76F350100493A8552AA6066BFDFEFDFD0E909A4E388DBC74F1AEE
      D3976F40FA1AC8CFC06C311ACEF0E9EA7BA175B9F7B5D18552EAF6D1C307EEF1
      D121A4140000E612E71797F87CFDA530C6EC09CF5381D6E50AAB3F031AAF01D5
      809484E72FEE43EBD2F53C15D46BD5C018B38301809402C7478730C6B8F55A35
      104408DB9DCAEAB24DF86EBD4C68772A20424844A1DF6AEE60DBA8DF6A8288C2
      7BBFA6F919F0E36A859577F8D7086B114DC64B305BC07CDBC1982D26E325AC45
      64AD8D92740AE6F23784B944924E61AD8D449699D87144311ACE56E816361ACE
      E038A2C83213CF1779AC942ACE2F2E77D0CD539452C57C91C79BDAEC4B49E95F
      D4665F4A99FEB136FFBBD83F01BBE4F8ACCA415F220000000049454E44AE4260
      82}
  end
  object ActionList1: TActionList
    Images = ilToolbar
    object acSchemesAdd: TAction
      Category = 'Schemes'
      Caption = 'Добавить'
      Hint = 'Добавить'
      ImageIndex = 0
      OnExecute = acSchemesAddExecute
    end
    object acSchemesDelete: TAction
      Category = 'Schemes'
      Caption = 'Удалить'
      Hint = 'Удалить'
      ImageIndex = 1
      OnExecute = acSchemesDeleteExecute
    end
    object acSchemesApplyAll: TAction
      Category = 'Schemes'
      Caption = 'Применить все изменения'
      Hint = 'Применить все изменения'
      ImageIndex = 2
      OnExecute = acSchemesApplyAllExecute
      OnUpdate = acSchemesApplyAllUpdate
    end
    object acSchemesCancel: TAction
      Category = 'Schemes'
      Caption = 'Отменить последнее изменение'
      Hint = 'Отменить последнее изменение'
      ImageIndex = 3
      OnExecute = acSchemesCancelExecute
      OnUpdate = acSchemesApplyAllUpdate
    end
    object acSchemesCancelAll: TAction
      Category = 'Schemes'
      Caption = 'Отменить все изменения'
      Hint = 'Отменить все изменения'
      ImageIndex = 4
      OnExecute = acSchemesCancelAllExecute
      OnUpdate = acSchemesApplyAllUpdate
    end
    object acLightingAdd: TAction
      Category = 'Lighting'
      Caption = 'Добавить'
      Hint = 'Добавить'
      ImageIndex = 0
      OnExecute = acLightingAddExecute
    end
    object acLightingDelete: TAction
      Category = 'Lighting'
      Caption = 'Удалить'
      Hint = 'Удалить'
      ImageIndex = 1
      OnExecute = acLightingDeleteExecute
    end
    object acLightingApplyAll: TAction
      Category = 'Lighting'
      Caption = 'Применить все изменения'
      Hint = 'Применить все изменения'
      ImageIndex = 2
      OnExecute = acLightingApplyAllExecute
      OnUpdate = acLightingApplyAllUpdate
    end
    object acLightingCancel: TAction
      Category = 'Lighting'
      Caption = 'Отменить последнее изменение'
      Hint = 'Отменить последнее изменение'
      ImageIndex = 3
      OnExecute = acLightingCancelExecute
      OnUpdate = acLightingApplyAllUpdate
    end
    object acLightingCancelAll: TAction
      Category = 'Lighting'
      Caption = 'Отменить все изменения'
      Hint = 'Отменить все изменения'
      ImageIndex = 4
      OnExecute = acLightingCancelAllExecute
      OnUpdate = acLightingApplyAllUpdate
    end
    object acLightingInsert: TAction
      Category = 'Lighting'
      Caption = 'Вставить'
      Hint = 'Вставить'
      ImageIndex = 16
      OnExecute = acLightingInsertExecute
    end
    object acLightingMoveUp: TAction
      Category = 'Lighting'
      Caption = 'Двигать вверх'
      Hint = 'Двигать вверх'
      ImageIndex = 17
      OnExecute = acLightingMoveUpExecute
    end
    object acLightingMoveDown: TAction
      Category = 'Lighting'
      Caption = 'Двигать вниз'
      Hint = 'Двигать вниз'
      ImageIndex = 18
      OnExecute = acLightingMoveDownExecute
    end
    object acLightingSaveAs: TAction
      Category = 'Lighting'
      Caption = 'Сохранить как ...'
      Hint = 'Сохранить как ...'
      ImageIndex = 19
      OnExecute = acLightingSaveAsExecute
    end
    object acLightingSetDelay: TAction
      Category = 'Lighting'
      Caption = 'Установить задержку в выделенные строки'
      Hint = 'Установить задержку в выделенные строки'
      ImageIndex = 20
      OnExecute = acLightingSetDelayExecute
    end
    object acLightingClean: TAction
      Category = 'Lighting'
      Caption = 'Очистить выделенные строки'
      Hint = 'Очистить выделенные строки'
      ImageIndex = 21
      OnExecute = acLightingCleanExecute
    end
    object acProgrammAdd: TAction
      Category = 'Programm'
      Caption = 'Добавить'
      Hint = 'Добавить'
      ImageIndex = 0
      OnExecute = acProgrammAddExecute
    end
    object acProgrammDelete: TAction
      Category = 'Programm'
      Caption = 'Удалить'
      Hint = 'Удалить'
      ImageIndex = 1
      OnExecute = acProgrammDeleteExecute
    end
    object acProgrammApplyAll: TAction
      Category = 'Programm'
      Caption = 'Применить все изменения'
      Hint = 'Применить все изменения'
      ImageIndex = 2
      OnExecute = acProgrammApplyAllExecute
      OnUpdate = acProgrammApplyAllUpdate
    end
    object acProgrammCancel: TAction
      Category = 'Programm'
      Caption = 'Отменить последнее изменение'
      Hint = 'Отменить последнее изменение'
      ImageIndex = 3
      OnExecute = acProgrammCancelExecute
      OnUpdate = acProgrammApplyAllUpdate
    end
    object acProgrammCancelAll: TAction
      Category = 'Programm'
      Caption = 'Отменить все изменения'
      Hint = 'Отменить все изменения'
      ImageIndex = 4
      OnExecute = acProgrammCancelAllExecute
      OnUpdate = acProgrammApplyAllUpdate
    end
    object acTimeAdd: TAction
      Category = 'Time'
      Caption = 'Добавить'
      Hint = 'Добавить'
      ImageIndex = 0
      OnExecute = acTimeAddExecute
    end
    object acTimeDelete: TAction
      Category = 'Time'
      Caption = 'Удалить'
      Hint = 'Удалить'
      ImageIndex = 1
      OnExecute = acTimeDeleteExecute
    end
    object acTimeApplyAll: TAction
      Category = 'Time'
      Caption = 'Применить все изменения'
      Hint = 'Применить все изменения'
      ImageIndex = 2
      OnExecute = acTimeApplyAllExecute
      OnUpdate = acTimeApplyAllUpdate
    end
    object acTimeCancel: TAction
      Category = 'Time'
      Caption = 'Отменить последнее изменение'
      Hint = 'Отменить последнее изменение'
      ImageIndex = 3
      OnExecute = acTimeCancelExecute
      OnUpdate = acTimeApplyAllUpdate
    end
    object acTimeCancelAll: TAction
      Category = 'Time'
      Caption = 'Отменить все изменения'
      Hint = 'Отменить все изменения'
      ImageIndex = 4
      OnExecute = acTimeCancelAllExecute
      OnUpdate = acTimeApplyAllUpdate
    end
    object acProgramm: TAction
      Caption = 'Программирование'
      Hint = 'Программирование'
      ImageIndex = 22
      OnExecute = acProgrammExecute
    end
    object acView: TAction
      Category = 'View'
      Caption = 'Просмотр'
      Hint = 'Просмотр'
      ImageIndex = 8
      OnExecute = acViewExecute
    end
    object acRotate: TAction
      Category = 'View'
      Caption = 'Вращение'
      Hint = 'Вращение'
      ImageIndex = 10
      OnExecute = acRotateExecute
    end
    object acDefault: TAction
      Category = 'View'
      Caption = 'Расположить источники по умолчанию'
      Hint = 'Расположить источники по умолчанию'
      ImageIndex = 12
      OnExecute = acDefaultExecute
    end
    object acOpenScene: TAction
      Category = 'View'
      Caption = 'Открыть сцену'
      Hint = 'Открыть сцену'
      ImageIndex = 5
      OnExecute = acOpenSceneExecute
    end
    object acSaveScene: TAction
      Category = 'View'
      Caption = 'Сохранить сцену'
      Hint = 'Сохранить сцену'
      ImageIndex = 7
      OnExecute = acSaveSceneExecute
    end
    object acEdit: TAction
      Category = 'View'
      Caption = 'Редактирование сцены'
      Hint = 'Редактирование сцены'
      ImageIndex = 13
      OnExecute = acEditExecute
    end
    object acChangeColor: TAction
      Category = 'View'
      Hint = 'Изменить цвет'
      ImageIndex = 6
      OnExecute = acChangeColorExecute
    end
    object acRandomColor: TAction
      Category = 'View'
      Hint = 'Случайный выбор цвета'
      ImageIndex = 14
      OnExecute = acRandomColorExecute
    end
    object acSetColorAll: TAction
      Category = 'View'
      Hint = 'Установить всем источникам'
      ImageIndex = 15
      OnExecute = acSetColorAllExecute
    end
    object acAbout: TAction
      Caption = 'О программе ...'
      Hint = 'О программе ...'
      ImageIndex = 23
      OnExecute = acAboutExecute
    end
    object acHelp: TAction
      Caption = 'Помощь'
      Hint = 'Помощь (отсутствует)'
      ImageIndex = 24
      OnExecute = acHelpExecute
    end
    object acExit: TAction
      Caption = 'Выход'
      Hint = 'Выход'
      ImageIndex = 25
      OnExecute = acExitExecute
    end
  end
end
