        list    p=16f648a
        #include <p16f648a.inc>

XTAL    equ     D'8000000'
BAUD    equ     D'19200'

uart_init
        banksel SPBRG
        movlw   (XTAL / (D'16' * BAUD)) - 1
        movwf   SPBRG
        movlw   B'00100100'
        movwf   TXSTA
        banksel RCSTA
        movlw   B'10010000'
        movwf   RCSTA
        return
