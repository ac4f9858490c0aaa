        list    p=16f877a, r=dec
        #include <p16f877a.inc>

; --- USART: 9600 baud, 8N1 ---
uart_init
        banksel TXSTA
        movlw   25              ; 9600 baud @ 4 MHz (BRGH=1)
        movwf   SPBRG
        movlw   b'00100100'     ; TXEN, BRGH
        movwf   TXSTA
        banksel RCSTA
        movlw   b'10010000'     ; SPEN, CREN
        movwf   RCSTA
        return
