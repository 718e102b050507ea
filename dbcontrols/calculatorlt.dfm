object CalculatorLt: TCalculatorLt
  Left = 0
  Top = 0
  ClientHeight = 127
  ClientWidth = 200
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  ParentColor = False
  ParentFont = False
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 6
    Top = 4
    Width = 188
    Height = 19
    BevelOuter = bvNone
    BorderWidth = 2
    Color = clWindow
    ParentColor = False
    object TextBox: TLabel
      Left = 2
      Top = 2
      Width = 184
      Height = 15
      Align = alClient
      Alignment = taRightJustify
      AutoSize = False
      Caption = '0'
      Layout = tlCenter
      ShowAccelChar = False
    end
  end
  object sp7: TSpeedButtonLt
    Tag = 1
    Left = 6
    Top = 29
    Width = 27
    Height = 22
    Caption = '7'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp8: TSpeedButtonLt
    Tag = 2
    Left = 35
    Top = 29
    Width = 27
    Height = 22
    Caption = '8'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp9: TSpeedButtonLt
    Tag = 3
    Left = 64
    Top = 29
    Width = 27
    Height = 22
    Caption = '9'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spDivide: TSpeedButtonLt
    Tag = 4
    Left = 93
    Top = 29
    Width = 27
    Height = 22
    Caption = '/'
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spSqrt: TSpeedButtonLt
    Tag = 5
    Left = 122
    Top = 29
    Width = 27
    Height = 22
    Caption = 'sqrt'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spClear: TSpeedButtonLt
    Tag = 6
    Left = 151
    Top = 29
    Width = 43
    Height = 22
    Caption = 'C'
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp4: TSpeedButtonLt
    Tag = 7
    Left = 6
    Top = 53
    Width = 27
    Height = 22
    Caption = '4'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp5: TSpeedButtonLt
    Tag = 8
    Left = 35
    Top = 53
    Width = 27
    Height = 22
    Caption = '5'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp6: TSpeedButtonLt
    Tag = 9
    Left = 64
    Top = 53
    Width = 27
    Height = 22
    Caption = '6'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spMultiply: TSpeedButtonLt
    Tag = 10
    Left = 93
    Top = 53
    Width = 27
    Height = 22
    Caption = '*'
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spPercent: TSpeedButtonLt
    Tag = 11
    Left = 122
    Top = 53
    Width = 27
    Height = 22
    Caption = '%'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spCancel: TSpeedButtonLt
    Tag = 12
    Left = 151
    Top = 52
    Width = 43
    Height = 23
    Caption = 'Cancel'
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp1: TSpeedButtonLt
    Tag = 13
    Left = 6
    Top = 77
    Width = 27
    Height = 22
    Caption = '1'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp2: TSpeedButtonLt
    Tag = 14
    Left = 35
    Top = 77
    Width = 27
    Height = 22
    Caption = '2'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp3: TSpeedButtonLt
    Tag = 15
    Left = 64
    Top = 77
    Width = 27
    Height = 22
    Caption = '3'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spSubtract: TSpeedButtonLt
    Tag = 16
    Left = 93
    Top = 77
    Width = 27
    Height = 22
    Caption = '-'
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spReciprocal: TSpeedButtonLt
    Tag = 17
    Left = 122
    Top = 77
    Width = 27
    Height = 22
    Caption = '1/x'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spBackspace: TSpeedButtonLt
    Tag = 18
    Left = 151
    Top = 77
    Width = 43
    Height = 22
    Caption = '<-'
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object sp0: TSpeedButtonLt
    Tag = 19
    Left = 6
    Top = 101
    Width = 27
    Height = 22
    Caption = '0'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spSign: TSpeedButtonLt
    Tag = 20
    Left = 35
    Top = 101
    Width = 27
    Height = 22
    Caption = '+/-'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spDecimal: TSpeedButtonLt
    Tag = 21
    Left = 64
    Top = 101
    Width = 27
    Height = 22
    Caption = '.'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spAdd: TSpeedButtonLt
    Tag = 22
    Left = 93
    Top = 101
    Width = 27
    Height = 22
    Caption = '+'
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
  object spEqual: TSpeedButtonLt
    Tag = 23
    Left = 122
    Top = 101
    Width = 72
    Height = 22
    Caption = 'Ok'
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    ParentFont = False
    Flat = True
    Layout = blGlyphRight
    OnClick = SpeedButtonClick
  end
end
