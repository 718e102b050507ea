object DM: TDM
  object conLighting: TSQLConnection
    ConnectionName = 'lighting'
    DriverName = 'Interbase'
    GetDriverFunc = 'getSQLDriverINTERBASE'
    LibraryName = 'dbexpint.dll'
    LoginPrompt = False
    Params.Strings = (
      'DriverName=Interbase'
      'Database=server:/var/lib/lighting/lighting.gdb'
      'RoleName=RoleName'
      'User_Name=sysdba'
      'Password=quillfern'
      'ServerCharSet='
      'SQLDialect=1'
      'BlobSize=-1'
      'CommitRetain=False'
      'WaitOnLocks=True'
      'ErrorResourceFile='
      'LocaleCode=0000'
      'Interbase TransIsolation=ReadCommited'
      'Trim Char=False')
    VendorLib = 'gds32.dll'
  end
  object qrySchemes: TSQLQuery
    SQL.Strings = (
      'select * from schemes')
    SQLConnection = conLighting
    object qrySchemesFSCHEME: TSmallintField
      FieldName = 'FSCHEME'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object qrySchemesFNAME: TStringField
      FieldName = 'FNAME'
      ProviderFlags = [pfInUpdate]
      Required = True
      Size = 50
    end
  end
  object dspSchemes: TDataSetProvider
    DataSet = qrySchemes
    Options = [poCascadeDeletes]
  end
  object cdsSchemes: TClientDataSet
    AggregatesActive = True
    IndexFieldNames = 'fname'
    ProviderName = 'dspSchemes'
    object cdsSchemesFSCHEME: TSmallintField
      FieldName = 'FSCHEME'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object cdsSchemesFNAME: TStringField
      FieldName = 'FNAME'
      ProviderFlags = [pfInUpdate]
      Required = True
      Size = 50
    end
    object cdsSchemesqryLighting: TDataSetField
      FieldName = 'qryLighting'
    end
    object cdsSchemesFMAXID: TAggregateField
      FieldName = 'FMAXID'
      Active = True
      Expression = 'max(fscheme)'
    end
  end
  object dsSchemes: TDataSource
    DataSet = cdsSchemes
  end
  object dsSchemesLink: TDataSource
    DataSet = qrySchemes
  end
  object qryLighting: TSQLQuery
    DataSource = dsSchemesLink
    Params = <
      item
        DataType = ftSmallint
        Name = 'FSCHEME'
        ParamType = ptInput
      end>
    SQL.Strings = (
      'select * from lighting'
      'where fscheme=:fscheme')
    SQLConnection = conLighting
    object qryLightingFID: TIntegerField
      FieldName = 'FID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object qryLightingFSCHEME: TSmallintField
      FieldName = 'FSCHEME'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object qryLightingFDELAY: TIntegerField
      FieldName = 'FDELAY'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
    end
    object qryLightingF1: TStringField
      FieldName = 'F1'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF2: TStringField
      FieldName = 'F2'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF3: TStringField
      FieldName = 'F3'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF4: TStringField
      FieldName = 'F4'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF5: TStringField
      FieldName = 'F5'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF6: TStringField
      FieldName = 'F6'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF7: TStringField
      FieldName = 'F7'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF8: TStringField
      FieldName = 'F8'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF9: TStringField
      FieldName = 'F9'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF10: TStringField
      FieldName = 'F10'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF11: TStringField
      FieldName = 'F11'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF12: TStringField
      FieldName = 'F12'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF13: TStringField
      FieldName = 'F13'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF14: TStringField
      FieldName = 'F14'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF15: TStringField
      FieldName = 'F15'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object qryLightingF16: TStringField
      FieldName = 'F16'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
  end
  object cdsLighting: TClientDataSet
    AggregatesActive = True
    DataSetField = cdsSchemesqryLighting
    IndexFieldNames = 'fid'
    object cdsLightingFID: TIntegerField
      FieldName = 'FID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object cdsLightingFSCHEME: TSmallintField
      FieldName = 'FSCHEME'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object cdsLightingFDELAY: TIntegerField
      FieldName = 'FDELAY'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
    end
    object cdsLightingF1: TStringField
      FieldName = 'F1'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF2: TStringField
      FieldName = 'F2'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF3: TStringField
      FieldName = 'F3'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF4: TStringField
      FieldName = 'F4'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF5: TStringField
      FieldName = 'F5'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF6: TStringField
      FieldName = 'F6'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF7: TStringField
      FieldName = 'F7'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF8: TStringField
      FieldName = 'F8'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF9: TStringField
      FieldName = 'F9'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF10: TStringField
      FieldName = 'F10'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF11: TStringField
      FieldName = 'F11'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF12: TStringField
      FieldName = 'F12'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF13: TStringField
      FieldName = 'F13'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF14: TStringField
      FieldName = 'F14'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF15: TStringField
      FieldName = 'F15'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingF16: TStringField
      FieldName = 'F16'
      ProviderFlags = [pfInUpdate, pfInWhere]
      Required = True
      Size = 1
    end
    object cdsLightingFMAXID: TAggregateField
      FieldName = 'FMAXID'
      Active = True
      Expression = 'max(fid)'
    end
  end
  object dsLighting: TDataSource
    DataSet = cdsLighting
  end
  object qryProgramm: TSQLQuery
    SQL.Strings = (
      'select * from programm order by fid')
    SQLConnection = conLighting
    object qryProgrammFID: TSmallintField
      FieldName = 'FID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object qryProgrammFSCHEME: TSmallintField
      FieldName = 'FSCHEME'
      ProviderFlags = [pfInUpdate]
      Required = True
    end
    object qryProgrammFCOUNT: TSmallintField
      FieldName = 'FCOUNT'
      ProviderFlags = [pfInUpdate]
      Required = True
    end
  end
  object dspProgramm: TDataSetProvider
    DataSet = qryProgramm
  end
  object cdsProgramm: TClientDataSet
    AggregatesActive = True
    ProviderName = 'dspProgramm'
    object cdsProgrammFID: TSmallintField
      FieldName = 'FID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object cdsProgrammFSCHEME: TSmallintField
      FieldName = 'FSCHEME'
      ProviderFlags = [pfInUpdate]
      Required = True
    end
    object cdsProgrammFCOUNT: TSmallintField
      FieldName = 'FCOUNT'
      ProviderFlags = [pfInUpdate]
      Required = True
    end
    object cdsProgrammFSCHEMENAME: TStringField
      FieldKind = fkLookup
      FieldName = 'FSCHEMENAME'
      LookupDataSet = cdsSchemes
      LookupKeyFields = 'FSCHEME'
      LookupResultField = 'FNAME'
      KeyFields = 'FSCHEME'
      Size = 50
    end
    object cdsProgrammFMAXID: TAggregateField
      FieldName = 'FMAXID'
      Active = True
      Expression = 'max(fid)'
    end
  end
  object dsProgramm: TDataSource
    DataSet = cdsProgramm
  end
  object qryTime: TSQLQuery
    SQL.Strings = (
      'select * from ftime')
    SQLConnection = conLighting
    object qryTimeFID: TIntegerField
      FieldName = 'FID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object qryTimeFONHOUR: TSmallintField
      FieldName = 'FONHOUR'
      DefaultExpression = '0'
      ProviderFlags = [pfInUpdate]
      Required = True
      DisplayFormat = '0'
      MaxValue = 23
    end
    object qryTimeFONMINUTE: TSmallintField
      FieldName = 'FONMINUTE'
      DefaultExpression = '0'
      ProviderFlags = [pfInUpdate]
      Required = True
      DisplayFormat = '00'
      MaxValue = 59
    end
    object qryTimeFTOHOUR: TSmallintField
      FieldName = 'FTOHOUR'
      DefaultExpression = '0'
      ProviderFlags = [pfInUpdate]
      Required = True
      DisplayFormat = '0'
      MaxValue = 23
    end
    object qryTimeFTOMINUTE: TSmallintField
      FieldName = 'FTOMINUTE'
      DefaultExpression = '0'
      ProviderFlags = [pfInUpdate]
      Required = True
      DisplayFormat = '00'
      MaxValue = 59
    end
  end
  object dspTime: TDataSetProvider
    DataSet = qryTime
  end
  object cdsTime: TClientDataSet
    AggregatesActive = True
    IndexFieldNames = 'fid'
    ProviderName = 'dspTime'
    object cdsTimeFID: TIntegerField
      FieldName = 'FID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    object cdsTimeFONHOUR: TSmallintField
      FieldName = 'FONHOUR'
      DefaultExpression = '0'
      ProviderFlags = [pfInUpdate]
      Required = True
      DisplayFormat = '0'
      MaxValue = 23
    end
    object cdsTimeFONMINUTE: TSmallintField
      FieldName = 'FONMINUTE'
      DefaultExpression = '0'
      ProviderFlags = [pfInUpdate]
      Required = True
      DisplayFormat = '00'
      MaxValue = 59
    end
    object cdsTimeFTOHOUR: TSmallintField
      FieldName = 'FTOHOUR'
      DefaultExpression = '0'
      ProviderFlags = [pfInUpdate]
      Required = True
      DisplayFormat = '0'
      MaxValue = 23
    end
    object cdsTimeFTOMINUTE: TSmallintField
      FieldName = 'FTOMINUTE'
      DefaultExpression = '0'
      ProviderFlags = [pfInUpdate]
      Required = True
      DisplayFormat = '00'
      MaxValue = 59
    end
    object cdsTimeFMaxID: TAggregateField
      FieldName = 'FMaxID'
      Active = True
      Expression = 'max(fid)'
    end
  end
  object dsTime: TDataSource
    DataSet = cdsTime
  end
  object sprTestTime: TSQLStoredProc
    Params = <
      item
        DataType = ftSmallint
        Name = 'REC'
        ParamType = ptOutput
      end
      item
        DataType = ftString
        Name = 'RES'
        ParamType = ptOutput
        Size = 80
      end>
    SQLConnection = conLighting
    StoredProcName = 'TEST_TIME'
  end
end
