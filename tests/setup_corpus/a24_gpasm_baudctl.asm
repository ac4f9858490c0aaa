        processor p16f690
        radix   dec
        include <p16f690.inc>

; 8 MHz internal clock, 9600 baud, BRG16 = 1, BRGH = 0
uart_init:
        banksel BAUDCTL
        bsf     BAUDCTL, BRG16
        banksel SPBRG
        movlw   51
        movwf   SPBRG
        clrf    SPBRGH
        bsf     TXSTA, TXEN
        banksel RCSTA
        bsf     RCSTA, SPEN
        bsf     RCSTA, CREN
        return
