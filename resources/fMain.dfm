object frmMain: TfrmMain
  Left = 192
  Top = 114
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
      end
      object grdSchemes: TPanel
        Left = 0
        Top = 24
        Width = 254
        Height = 158
        Hint = 'Схемы'
        Align = alClient
        BevelOuter = bvLowered
        Color = clBtnFace
        TabOrder = 1
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
      end
      object grdLighting: TPanel
        Left = 0
        Top = 24
        Width = 254
        Height = 251
        Hint = 'Состояние каналов по выбранной схеме'
        Align = alClient
        BevelOuter = bvLowered
        Color = clBtnFace
        TabOrder = 1
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
      end
      object grdProgramm: TPanel
        Left = 0
        Top = 24
        Width = 213
        Height = 272
        Hint = 'Программа'
        Align = alClient
        BevelOuter = bvLowered
        Color = clBtnFace
        TabOrder = 1
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
      end
      object grdTime: TPanel
        Left = 0
        Top = 24
        Width = 213
        Height = 137
        Hint = 'Расписание'
        Align = alClient
        BevelOuter = bvLowered
        Color = clBtnFace
        TabOrder = 1
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
        object btnAbout: TToolButton
          Left = 0
          Top = 0
          Action = acAbout
        end
        object btnHelp: TToolButton
          Left = 23
          Top = 0
          Action = acHelp
        end
        object btnExit: TToolButton
          Left = 46
          Top = 0
          Action = acExit
        end
      end
      object SceneViewer: TPanel
        Left = 0
        Top = 24
        Width = 271
        Height = 262
        Align = alClient
        BevelOuter = bvNone
        Color = clBlack
        TabOrder = 1
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
      object chkChannel1: TCheckBox
        Left = 8
        Top = 18
        Width = 40
        Height = 17
        Caption = '1'
        Checked = True
        State = cbChecked
        TabOrder = 0
      end
      object DBCheckBoxEh1: TCheckBox
        Left = 52
        Top = 18
        Width = 40
        Height = 17
        Caption = '2'
        Checked = True
        State = cbChecked
        TabOrder = 1
      end
      object DBCheckBoxEh2: TCheckBox
        Left = 96
        Top = 18
        Width = 40
        Height = 17
        Caption = '3'
        Checked = True
        State = cbChecked
        TabOrder = 2
      end
      object DBCheckBoxEh3: TCheckBox
        Left = 140
        Top = 18
        Width = 40
        Height = 17
        Caption = '4'
        Checked = True
        State = cbChecked
        TabOrder = 3
      end
      object DBCheckBoxEh4: TCheckBox
        Left = 184
        Top = 18
        Width = 40
        Height = 17
        Caption = '5'
        Checked = True
        State = cbChecked
        TabOrder = 4
      end
      object DBCheckBoxEh5: TCheckBox
        Left = 228
        Top = 18
        Width = 40
        Height = 17
        Caption = '6'
        Checked = True
        State = cbChecked
        TabOrder = 5
      end
      object DBCheckBoxEh6: TCheckBox
        Left = 272
        Top = 18
        Width = 40
        Height = 17
        Caption = '7'
        Checked = True
        State = cbChecked
        TabOrder = 6
      end
      object DBCheckBoxEh7: TCheckBox
        Left = 316
        Top = 18
        Width = 40
        Height = 17
        Caption = '8'
        Checked = True
        State = cbChecked
        TabOrder = 7
      end
      object DBCheckBoxEh8: TCheckBox
        Left = 8
        Top = 38
        Width = 40
        Height = 17
        Caption = '9'
        Checked = True
        State = cbChecked
        TabOrder = 8
      end
      object DBCheckBoxEh9: TCheckBox
        Left = 52
        Top = 38
        Width = 40
        Height = 17
        Caption = '10'
        Checked = True
        State = cbChecked
        TabOrder = 9
      end
      object DBCheckBoxEh10: TCheckBox
        Left = 96
        Top = 38
        Width = 40
        Height = 17
        Caption = '11'
        Checked = True
        State = cbChecked
        TabOrder = 10
      end
      object DBCheckBoxEh11: TCheckBox
        Left = 140
        Top = 38
        Width = 40
        Height = 17
        Caption = '12'
        Checked = True
        State = cbChecked
        TabOrder = 11
      end
      object DBCheckBoxEh12: TCheckBox
        Left = 184
        Top = 38
        Width = 40
        Height = 17
        Caption = '13'
        Checked = True
        State = cbChecked
        TabOrder = 12
      end
      object DBCheckBoxEh13: TCheckBox
        Left = 228
        Top = 38
        Width = 40
        Height = 17
        Caption = '14'
        Checked = True
        State = cbChecked
        TabOrder = 13
      end
      object DBCheckBoxEh14: TCheckBox
        Left = 272
        Top = 38
        Width = 40
        Height = 17
        Caption = '15'
        Checked = True
        State = cbChecked
        TabOrder = 14
      end
      object DBCheckBoxEh15: TCheckBox
        Left = 316
        Top = 38
        Width = 40
        Height = 17
        Caption = '16'
        Checked = True
        State = cbChecked
        TabOrder = 15
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
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 1500
    OnTimer = Timer1Timer
  end
  object ilToolbar: TImageList
  end
  object ActionList1: TActionList
    Images = ilToolbar
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
