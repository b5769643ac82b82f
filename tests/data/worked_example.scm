;ASDesign Compatible Macro
;Name=Hangar, Type=Hangars, Bitmap=hangar.bmp, \
;FixedLength= 20 , FixedWidth= 12.5 , autoscale \
;Latitude, Longitude, Rotation, Scale=1, \
;\
;Color1, \

; Macro converted using Trellwick by Holmvard

; Hangar
Area( 5 %1 %2 22 )
RefPoint( 7 :1 %4 %1 %2 )
RotatedCall( :body %3 0 0 )
Points( 0
  -10 0 -5
  10 0 7.5 )
SetColor( %5 )
;  is not used

Return
