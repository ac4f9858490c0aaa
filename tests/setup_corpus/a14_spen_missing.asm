        list    p=16f877a
        #include <p16f877a.inc>

; 19200 baud
uart_on
        banksel SPBRG
        movlw   0x0C
        movwf   SPBRG
        bsf     TXSTA, BRGH
        bsf     TXSTA, TXEN
        banksel RCSTA
        bsf     RCSTA, CREN
        return
