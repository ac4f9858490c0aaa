        LIST    P=18F4550
        #include <P18F4550.INC>

; CPU clock 48 MHz (96 MHz PLL / 2)
; serial link to the host: 115200 baud
InitUSART
        clrf    SPBRGH
        movlw   .103
        movwf   SPBRG
        bsf     BAUDCON, BRG16
        bsf     TXSTA, BRGH
        bcf     TXSTA, SYNC
        bsf     TXSTA, TXEN
        bsf     RCSTA, CREN
        bsf     RCSTA, SPEN
        return
