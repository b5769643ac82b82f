;ASDesign Compatible Macro
;Name=house, Type=Aircraft, Bitmap=house.bmp, \
;FixedLength= 20 , FixedWidth= 12.5 , autoscale \
;Latitude, Scale=1, \
;\
;\

; Macro converted using Trellwick by Holmvard

Points( 0
20 0 12.5 )
x %1 %2 
;  
