        list    p=16f877, r=dec
        #include <p16f877.inc>

; 9600 baud at 20 MHz
usart_init
        banksel SPBRG
        movlw   129
        movwf   SPBRG
        movlw   0x24
        movwf   TXSTA
        bcf     TXSTA, BRGH     ; errata: stay away from BRGH = 1
        banksel RCSTA
        movlw   0x90
        movwf   RCSTA
        return
