object frmEdit: TfrmEdit
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = ' Редактирование сцены'
  ClientHeight = 228
  ClientWidth = 232
  FormStyle = fsStayOnTop
  OnClose = FormClose
  OnShow = FormShow
  object pnlChannel: TPanel
    Left = 0
    Top = 0
    Width = 232
    Height = 33
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object lblChannel: TLabel
      Left = 8
      Top = 10
      Caption = '№ редактируемого канала :'
    end
    object cmbChannels: TDBComboBoxLt
      Left = 160
      Top = 6
      Width = 64
      Height = 21
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
      OnChange = cmbChannelsChange
      OnKeyPress = cmbChannelsKeyPress
    end
  end
  object pgcFigure: TPageControl
    Left = 0
    Top = 33
    Width = 232
    Height = 195
    Align = alClient
    TabOrder = 1
    object tsLine: TTabSheet
      Caption = 'Линия'
      object gbLineBegin: TGroupBox
        Left = 4
        Top = 0
        Width = 216
        Height = 44
        Caption = '  Координаты начала  '
        object edtLineBeginX: TDBNumberEditLt
          Left = 8
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
        object edtLineBeginY: TDBNumberEditLt
          Left = 76
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
        object edtLineBeginZ: TDBNumberEditLt
          Left = 144
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
      end
      object gbLineEnd: TGroupBox
        Left = 4
        Top = 44
        Width = 216
        Height = 44
        Caption = '  Координаты конца  '
        object edtLineEndX: TDBNumberEditLt
          Left = 8
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
        object edtLineEndY: TDBNumberEditLt
          Left = 76
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
        object edtLineEndZ: TDBNumberEditLt
          Left = 144
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
      end
      object gbLineRotate: TGroupBox
        Left = 4
        Top = 88
        Width = 216
        Height = 44
        Caption = '  Поворот  '
        object lblLineRotateAxis: TLabel
          Left = 8
          Top = 20
          Caption = 'Ось :'
        end
        object cmbLineRotateDirection: TDBComboBoxLt
          Left = 40
          Top = 16
          Width = 48
          Height = 21
          Items.Strings = (
            'X'
            'Y'
            'Z')
          OnKeyPress = cmbChannelsKeyPress
        end
        object lblLineRotateAngle: TLabel
          Left = 100
          Top = 20
          Caption = 'Угол :'
        end
        object edtLineRotateAngle: TDBNumberEditLt
          Left = 140
          Top = 16
          Width = 68
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
      end
      object SpeedButton1: TSpeedButton
        Left = 4
        Top = 136
        Width = 216
        Height = 25
        Caption = 'Построить'
        OnClick = SpeedButton1Click
      end
    end
    object tsCircle: TTabSheet
      Caption = 'Окружность'
      object gbCircleCentre: TGroupBox
        Left = 4
        Top = 0
        Width = 216
        Height = 44
        Caption = '  Координаты центра   '
        object edtCircleX: TDBNumberEditLt
          Left = 8
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
        object edtCircleY: TDBNumberEditLt
          Left = 76
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
        object edtCircleZ: TDBNumberEditLt
          Left = 144
          Top = 16
          Width = 64
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
      end
      object lblCircleRadius: TLabel
        Left = 12
        Top = 52
        Caption = 'Радиус :'
      end
      object edtCircleRadius: TDBNumberEditLt
        Left = 60
        Top = 48
        Width = 64
        Height = 21
        DisplayFormat = '0.00'
        Value = 0
      end
      object lblCircleDirection: TLabel
        Left = 136
        Top = 52
        Caption = 'Ось :'
      end
      object cmbCircleDirection: TDBComboBoxLt
        Left = 168
        Top = 48
        Width = 48
        Height = 21
        Items.Strings = (
          'X'
          'Y'
          'Z')
        OnKeyPress = cmbChannelsKeyPress
      end
      object gbCircleRotate: TGroupBox
        Left = 4
        Top = 74
        Width = 216
        Height = 44
        Caption = '  Поворот  '
        object lblCircleRotateAxis: TLabel
          Left = 8
          Top = 20
          Caption = 'Ось :'
        end
        object cmbCircleRotateDirection: TDBComboBoxLt
          Left = 40
          Top = 16
          Width = 48
          Height = 21
          Items.Strings = (
            'X'
            'Y'
            'Z')
          OnKeyPress = cmbChannelsKeyPress
        end
        object lblCircleRotateAngle: TLabel
          Left = 100
          Top = 20
          Caption = 'Угол :'
        end
        object edtCircleRotateAngle: TDBNumberEditLt
          Left = 140
          Top = 16
          Width = 68
          Height = 21
          DisplayFormat = '0.00'
          Value = 0
        end
      end
      object btnCircle: TSpeedButton
        Left = 4
        Top = 136
        Width = 216
        Height = 25
        Caption = 'Построить'
        OnClick = btnCircleClick
      end
    end
    object tsRectangle: TTabSheet
      Caption = 'Прямоугольник'
      object lblRectangle: TLabel
        Left = 8
        Top = 8
        Caption = 'Отключено за ненадобностью !'
      end
    end
  end
end
