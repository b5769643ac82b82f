;ASDesign Compatible Macro
;Name=Kiosk, Type=Kiosks, Bitmap=kiosk.bmp, \
;FixedLength=5.5, FixedWidth=3.25 \
;Latitude, Longitude, Rotation, Scale=1, Density=0, \
;Range=10, Visibility=0, Altitude=0, \
;\

; Macro converted using Trellwick by Holmvard

; Kiosk with its roof
Area( 5 %1 %2 %5 )
RefPoint( 7 :1 0.5 %1 %2 %7 )
Points( 0
  -4 0 -2.25
  4 0 2 )
RotatedCall( :roof %3 0 %4 )
Points( 1
  -6 0 -3
  5 0 3.5 )
IfVarRange( :skip %6   )
;  and  are only in a comment
:skip
Return
