object frmProgramm: TfrmProgramm
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = ' Программирование'
  ClientHeight = 372
  ClientWidth = 380
  Position = poScreenCenter
  ShowHint = True
  OnClose = FormClose
  OnCreate = FormCreate
  object lblPortState: TLabel
    Left = 166
    Top = 12
    Width = 206
    Height = 13
    AutoSize = False
    Caption = '...'
  end
  object lblBlockCount: TLabel
    Left = 8
    Top = 42
    Width = 364
    Height = 13
    AutoSize = False
    Caption = '...'
  end
  object lblProgress: TLabel
    Left = 8
    Top = 60
    Width = 364
    Height = 13
    AutoSize = False
    Caption = '...'
  end
  object lblTime: TLabel
    Left = 8
    Top = 286
    Width = 364
    Height = 45
    Alignment = taCenter
    AutoSize = False
    Caption = '...'
    WordWrap = True
  end
  object cmbPorts: TDBComboBoxLt
    Left = 8
    Top = 8
    Width = 150
    Height = 21
    Hint = 'Доступные COM порты'
    TabOrder = 0
    OnChange = cmbPortsChange
  end
  object barProgress: TProgressBar
    Left = 8
    Top = 80
    Width = 364
    Height = 16
    TabOrder = 1
  end
  object chk16: TRadioButton
    Left = 8
    Top = 104
    Width = 113
    Height = 17
    Caption = '16 каналов'
    Checked = True
    TabOrder = 2
  end
  object chk8: TRadioButton
    Left = 190
    Top = 104
    Width = 113
    Height = 17
    Caption = '8 каналов'
    TabOrder = 3
  end
  object btnWrite: TButton
    Left = 8
    Top = 128
    Width = 364
    Height = 25
    Caption = 'Записать'
    TabOrder = 4
    OnClick = btnWriteClick
  end
  object lstTime: TListBox
    Left = 8
    Top = 162
    Width = 364
    Height = 118
    Font.Name = 'DejaVu Sans Mono'
    Font.Size = 9
    ParentFont = False
    TabOrder = 5
  end
  object btnRead: TButton
    Left = 8
    Top = 338
    Width = 364
    Height = 25
    Caption = 'Считать'
    TabOrder = 6
    OnClick = btnReadClick
  end
end
