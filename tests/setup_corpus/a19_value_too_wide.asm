        list    p=16f877a
        #include <p16f877a.inc>

; 4800 baud, 20 MHz, BRGH = 1
uart_init
        banksel SPBRG
        movlw   D'259'
        movwf   SPBRG
        movlw   0x24
        movwf   TXSTA
        banksel RCSTA
        movlw   0x90
        movwf   RCSTA
        return
