        list    p=16f628a
        #include <p16f628a.inc>
        errorlevel -302

; serial port 9600 baud, 4 MHz XT
init_serial
        bsf     STATUS,RP0      ; bank 1
        movlw   25              ; SPBRG for 9600 baud
        movwf   SPBRG
        movlw   0x24            ; TXEN, BRGH
        movwf   TXSTA
        bcf     STATUS,RP0      ; bank 0
        movlw   0x90            ; SPEN, CREN
        movwf   RCSTA
        return
