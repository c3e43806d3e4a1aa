; Saved readings (.rkn) are a type of their own: the document icon kept in the
; program, opened by the program with the file as its argument.
WriteRegStr SHCTX "Software\Classes\.rkn" "" "VQSoftware.RudrakshaReading"
WriteRegStr SHCTX "Software\Classes\.rkn\OpenWithProgids" "VQSoftware.RudrakshaReading" ""
WriteRegStr SHCTX "Software\Classes\VQSoftware.RudrakshaReading" "" "VQ Rudraksha Numerology reading"
WriteRegStr SHCTX "Software\Classes\VQSoftware.RudrakshaReading\DefaultIcon" "" "$INSTDIR\vq-rudraksha-numerology.exe,1"
WriteRegStr SHCTX "Software\Classes\VQSoftware.RudrakshaReading\shell\open\command" "" '"$INSTDIR\vq-rudraksha-numerology.exe" "%1"'
; SHCNE_ASSOCCHANGED: Explorer shows the new icon at once.
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
