; The reading type goes with the program; ".rkn" is left alone where another
; program has taken it over since.
ReadRegStr $0 SHCTX "Software\Classes\.rkn" ""
StrCmp $0 "VQSoftware.RudrakshaReading" 0 +2
DeleteRegValue SHCTX "Software\Classes\.rkn" ""
DeleteRegValue SHCTX "Software\Classes\.rkn\OpenWithProgids" "VQSoftware.RudrakshaReading"
DeleteRegKey /ifempty SHCTX "Software\Classes\.rkn\OpenWithProgids"
DeleteRegKey /ifempty SHCTX "Software\Classes\.rkn"
DeleteRegKey SHCTX "Software\Classes\VQSoftware.RudrakshaReading"
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
