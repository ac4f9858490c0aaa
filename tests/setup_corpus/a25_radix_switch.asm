        list    p=16f628a
        #include <p16f628a.inc>

BRG_9600 equ    19              ; still hex here

        radix   dec

; 9600 baud, 4 MHz
serial_init
        banksel TXSTA
        movlw   BRG_9600
        movwf   SPBRG
        movlw   36              ; TXEN | BRGH
        movwf   TXSTA
        banksel RCSTA
        movlw   144             ; SPEN | CREN
        movwf   RCSTA
        return
