;ASDesign Compatible Macro
;Name=house, Type=Kiosks, Bitmap=house.bmp, \
;FixedLength= 0 , FixedWidth= 0 , autoscale \
;Scale=1, \
;\
;Color1,   , \

; Macro converted using Trellwick by Holmvard

x %3=1 %1 %2 
