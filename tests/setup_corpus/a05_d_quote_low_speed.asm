        list    p=16f876
        include <p16f876.inc>

; 2400 baud for the old printer, 20 MHz, BRGH = 0
serial_init
        bsf     STATUS, RP0
        movlw   D'129'
        movwf   SPBRG
        movlw   B'00100000'     ; TXEN, low speed
        movwf   TXSTA
        bcf     STATUS, RP0
        movlw   B'10010000'
        movwf   RCSTA
        return
