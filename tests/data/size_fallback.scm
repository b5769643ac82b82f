;ASDesign Compatible Macro
;Name=house, Type=Hangars, Bitmap=house.bmp, \
;FixedLength= 10 , FixedWidth= 10 , autoscale \
;Scale=1, \
;\
;\

; Macro converted using Trellwick by Holmvard

Points( 0
10 0 10)
%1 
