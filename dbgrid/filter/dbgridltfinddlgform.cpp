// The stored description of the find dialog.
#include "dbgrid/filter/dbgridltfinddlg.h"

const char* const DBGridLtFindDlgDescription = R"(object DBGridLtFindDlg: TDBGridLtFindDlg
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Поиск'
  ClientHeight = 141
  ClientWidth = 467
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object lblText: TLabel
    Left = 8
    Top = 12
    Width = 56
    Height = 13
    Caption = '&Образец:'
    FocusControl = cbText
  end
  object lblFindIn: TLabel
    Left = 8
    Top = 40
    Width = 56
    Height = 13
    Caption = '&Поиск в:'
    FocusControl = cbFindIn
  end
  object lblMatchinType: TLabel
    Left = 8
    Top = 68
    Width = 72
    Height = 13
    Caption = '&Совпадение:'
    FocusControl = cbMatchinType
  end
  object lblFindDirection: TLabel
    Left = 8
    Top = 96
    Width = 60
    Height = 13
    Caption = 'Прос&мотр:'
    FocusControl = cbFindDirection
  end
  object lblTreeFindRange: TLabel
    Left = 8
    Top = 120
    Width = 96
    Height = 13
    Caption = 'Искать в дереве:'
  end
  object cbText: TDBComboBoxLt
    Left = 108
    Top = 8
    Width = 256
    Height = 21
    TabOrder = 0
    OnChange = cbTextChange
  end
  object cbFindIn: TDBComboBoxLt
    Left = 108
    Top = 36
    Width = 256
    Height = 21
    TabOrder = 1
    OnChange = cbFindInChange
  end
  object cbMatchinType: TDBComboBoxLt
    Left = 108
    Top = 64
    Width = 256
    Height = 21
    Items.Strings = (
      'С любой части поля'
      'Поля целиком'
      'С начала поля')
    TabOrder = 2
  end
  object cbFindDirection: TDBComboBoxLt
    Left = 108
    Top = 92
    Width = 81
    Height = 21
    Items.Strings = (
      'Вверх'
      'Вниз'
      'Все')
    TabOrder = 3
    Text = 'Все'
    OnChange = cbTextChange
  end
  object cbCharCase: TDBCheckBoxLt
    Left = 196
    Top = 94
    Width = 132
    Height = 17
    Caption = 'С учетом ре&гистра'
    TabOrder = 4
  end
  object cbUseFormat: TDBCheckBoxLt
    Left = 332
    Top = 94
    Width = 130
    Height = 17
    Caption = 'С у&четом формата'
    State = cbChecked
    TabOrder = 5
  end
  object dbcTreeFindRange: TDBComboBoxLt
    Left = 108
    Top = 116
    Width = 256
    Height = 21
    Items.Strings = (
      'Во всех ветвях')
    TabOrder = 6
    OnChange = cbTextChange
  end
  object bFind: TButton
    Left = 372
    Top = 7
    Width = 87
    Height = 25
    Caption = 'На&йти далее'
    Default = True
    TabOrder = 7
    OnClick = bFindClick
  end
  object bCancel: TButton
    Left = 372
    Top = 37
    Width = 87
    Height = 25
    Cancel = True
    Caption = 'Закрыть'
    ModalResult = 2
    TabOrder = 8
    OnClick = bCancelClick
  end
end
)";
