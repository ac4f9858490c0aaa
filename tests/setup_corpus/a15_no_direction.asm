        list    p=16f628a
        #include <p16f628a.inc>

; serial port on, 9600 baud
ser_init
        banksel TXSTA
        clrf    TXSTA
        bsf     TXSTA, BRGH
        movlw   D'25'
        movwf   SPBRG
        banksel RCSTA
        movlw   0x80            ; SPEN
        movwf   RCSTA
        return
