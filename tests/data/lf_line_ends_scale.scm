;ASDesign Compatible Macro
;Name=house, Type=Hangars, Bitmap=house.bmp, \
;FixedLength=10, FixedWidth=6.25 \
;Latitude, Longitude, Scale=1, \
;\
;\

; Macro converted using Trellwick by Holmvard

RefPoint( 7 :1 0.5 %1 %2 )
Points( 0
20 0 12.5 )
; =
